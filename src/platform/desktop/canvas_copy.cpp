#include "platform/canvas_copy.h"

// The desktop draws the still layers afresh each frame, its pixels as they
// have always been.

bool drawCanvasCopy(const CanvasPixels&) {
    return false;
}

bool takeCanvasCopy(const CanvasPixels&, const CanvasPixels&) {
    return false;
}

void forgetCanvasCopy() {}
