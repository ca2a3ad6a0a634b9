#include "app/camera.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>

#include <cstring>

Camera* currentCamera = nullptr;
bool swapControlAvailable = false;

void Camera::reshape(const int newWidth, const int newHeight) {
    if (newWidth < 1 || newHeight < 1) {
        return;
    }

    // The window keeps a 4:3 shape for whatever width it is given; GLUT
    // answers with one more reshape, which lands here with the same result.
    const int pinnedHeight = static_cast<int>(newWidth * 0.75);
    glutReshapeWindow(newWidth, pinnedHeight);

    width = newWidth;
    height = pinnedHeight;
    aspect = static_cast<double>(width) / height;

    glViewport(0, 0, width, pinnedHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective == 0) {
        glOrtho(0, width, 0, pinnedHeight, 0, 100);
    } else {
        gluPerspective(fieldOfView, aspect, 0.1, 1000.0);
    }

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(static_cast<float>(width / 2), static_cast<float>(pinnedHeight / 2), eye[2]);
    if (perspective == 0) {
        // Puts texel centres on pixel centres for crisp sprites.
        glTranslatef(0.375f, 0.375f, 0);
    }
    glScalef(static_cast<float>(width / 800.0), static_cast<float>(pinnedHeight / 600.0), 1.0f);
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

static bool hasExtension(const char* extensions, const char* name) {
    if (!extensions) {
        return false;
    }
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

void detectSwapControl() {
    Display* display = glXGetCurrentDisplay();
    if (!display) {
        return;
    }
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    const auto lookUp = [](const char* name) {
        return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name));
    };

    // Tried in order of preference; the first the driver offers sets an
    // interval of one frame.
    if (hasExtension(extensions, "GLX_EXT_swap_control")) {
        using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
        if (auto setInterval = reinterpret_cast<SwapIntervalExt>(lookUp("glXSwapIntervalEXT"))) {
            setInterval(display, glXGetCurrentDrawable(), 1);
            swapControlAvailable = true;
            return;
        }
    }
    if (hasExtension(extensions, "GLX_MESA_swap_control")) {
        using SwapIntervalMesa = int (*)(unsigned int);
        if (auto setInterval = reinterpret_cast<SwapIntervalMesa>(lookUp("glXSwapIntervalMESA"))) {
            setInterval(1);
            swapControlAvailable = true;
            return;
        }
    }
    if (hasExtension(extensions, "GLX_SGI_swap_control")) {
        using SwapIntervalSgi = int (*)(int);
        if (auto setInterval = reinterpret_cast<SwapIntervalSgi>(lookUp("glXSwapIntervalSGI"))) {
            setInterval(1);
            swapControlAvailable = true;
        }
    }
}
