#include "game/canvas_box.h"

#include "app/camera.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

CanvasBox overlap(const CanvasBox& a, const CanvasBox& b) {
    return {std::max(a.left, b.left), std::max(a.bottom, b.bottom), std::min(a.right, b.right),
            std::min(a.top, b.top)};
}

CanvasBox spanning(const CanvasBox& a, const CanvasBox& b) {
    return {std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
            std::max(a.top, b.top)};
}

bool isEmpty(const CanvasBox& box) {
    return box.right <= box.left || box.top <= box.bottom;
}

CanvasPixels canvasAreaPixels() {
    const Camera& view = currentCamera ? *currentCamera : camera;
    const CanvasArea area = canvasAreaInWindow(view.width, view.windowHeight);
    return {area.left, view.windowHeight - area.top - area.height, area.width, area.height};
}

CanvasPixels windowPixelsOf(const CanvasBox& box) {
    // The canvas centre sits on the area's middle pixel, as the camera puts
    // it and drawOnlyBetweenCanvasRows counts its rows.
    const CanvasPixels area = canvasAreaPixels();
    const int centreX = area.x + area.width / 2;
    const int centreY = area.y + area.height / 2;
    const auto column = [&](const float x) {
        return centreX + static_cast<int>(std::lround(x * area.width / 800.0));
    };
    const auto row = [&](const float y) {
        return centreY + static_cast<int>(std::lround(y * area.height / 600.0));
    };
    const int left = column(box.left);
    const int bottom = row(box.bottom);
    return {left, bottom, std::max(0, column(box.right) - left),
            std::max(0, row(box.top) - bottom)};
}

void drawOnlyInCanvasBox(const CanvasBox& box) {
    const CanvasPixels pixels = windowPixelsOf(box);
    glScissor(pixels.x, pixels.y, pixels.width, pixels.height);
    glEnable(GL_SCISSOR_TEST);
}
