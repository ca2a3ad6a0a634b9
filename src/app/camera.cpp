#include "app/camera.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

Camera* currentCamera = nullptr;

CanvasArea canvasAreaInWindow(const int windowWidth, const int windowHeight) {
    // The full width where the window is tall enough for the 4:3 height of
    // its width, the very shape the camera asks for; else the full height.
    // Never less than a pixel, so that nothing divides by zero.
    const int heightForWidth = static_cast<int>(windowWidth * 0.75);
    if (heightForWidth <= windowHeight) {
        const int height = std::max(1, heightForWidth);
        return {0, (windowHeight - height) / 2, std::max(1, windowWidth), height};
    }
    const int width = std::max(1, windowHeight * 4 / 3);
    return {(windowWidth - width) / 2, 0, width, std::max(1, windowHeight)};
}

CanvasPoint canvasPointUnderPointer(const int x, const int y, const int windowWidth,
                                    const int windowHeight) {
    // The inverse of the camera's mapping: the canvas centre sits on the
    // area's middle pixel (rounded down from the bottom), one canvas width
    // spans the area's width.
    const CanvasArea area = canvasAreaInWindow(windowWidth, windowHeight);
    const int centreX = area.left + area.width / 2;
    const int centreY = area.top + area.height - area.height / 2;
    const double canvasX = (x - centreX) * 800.0 / area.width;
    const double canvasY = (centreY - y) * 600.0 / area.height;
    return {static_cast<float>(std::clamp(canvasX, -400.0, 400.0)),
            static_cast<float>(std::clamp(canvasY, -300.0, 300.0))};
}

void Camera::reshape(const int newWidth, const int newHeight) {
    if (newWidth < 1 || newHeight < 1) {
        return;
    }

    // Ask for a 4:3 shape for whatever width the window is given; GLUT
    // answers with one more reshape. A window manager may refuse (a tiling
    // one gives every window its own shape), so the canvas is shown in the
    // largest 4:3 area of the window as it really is. A window already at
    // its 4:3 shape is not asked again, nor one that came back at the very
    // size it had when last asked: asking on would start a tug of war with
    // such a manager, the window flickering between the two shapes. Such a
    // manager may let the 4:3 answer through for a moment before it takes
    // the window back, so that answer does not end the refusal; any other
    // size does (the window was resized, or maximised anew, and a request
    // there may now be granted), and when the window comes back to the
    // refused size it is asked again.
    const int pinnedHeight = static_cast<int>(newWidth * 0.75);
    const bool refused = newWidth == askedFromWidth && newHeight == askedFromHeight;
    const bool answered = newWidth == askedFromWidth && newHeight == pinnedHeight;
    if (!refused && !answered) {
        askedFromWidth = 0;
        askedFromHeight = 0;
    }
    if (newHeight != pinnedHeight && !refused && !fullscreen) {
        glutReshapeWindow(newWidth, pinnedHeight);
        askedFromWidth = newWidth;
        askedFromHeight = newHeight;
    }

    width = newWidth;
    height = pinnedHeight;
    windowHeight = newHeight;
    aspect = static_cast<double>(width) / height;

    const CanvasArea area = canvasAreaInWindow(newWidth, newHeight);
    glViewport(area.left, newHeight - area.top - area.height, area.width, area.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective == 0) {
        glOrtho(0, area.width, 0, area.height, 0, 100);
    } else {
        gluPerspective(fieldOfView, aspect, 0.1, 1000.0);
    }

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(static_cast<float>(area.width / 2), static_cast<float>(area.height / 2), eye[2]);
    if (perspective == 0) {
        // Puts texel centres on pixel centres for crisp sprites.
        glTranslatef(0.375f, 0.375f, 0);
    }
    glScalef(static_cast<float>(area.width / 800.0), static_cast<float>(area.height / 600.0), 1.0f);
}

// The window row (counted up from the bottom, as OpenGL counts) on which a
// canvas height falls.
static int windowRowOf(const Camera& view, const CanvasArea& area, const float canvasY) {
    const int bottom = view.windowHeight - area.top - area.height;
    return bottom + area.height / 2 + static_cast<int>(std::lround(canvasY * area.height / 600.0));
}

void drawOnlyBetweenCanvasRows(const float bottom, const float top) {
    const Camera& view = currentCamera ? *currentCamera : camera;
    const CanvasArea area = canvasAreaInWindow(view.width, view.windowHeight);
    const int firstRow = windowRowOf(view, area, bottom);
    const int endRow = windowRowOf(view, area, top);
    glScissor(area.left, firstRow, area.width, std::max(0, endRow - firstRow));
    glEnable(GL_SCISSOR_TEST);
}

void drawAnywhere() {
    glDisable(GL_SCISSOR_TEST);
}

void setCulling(const bool on) {
    if (on) {
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CCW);
        glCullFace(GL_BACK);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

void setDepthTest(const bool on, const bool alphaTest) {
    if (!on) {
        glDisable(GL_DEPTH_TEST);
        return;
    }
    glEnable(GL_DEPTH_TEST);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    if (alphaTest) {
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.001f);
    }
}
