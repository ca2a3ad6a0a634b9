#include "platform/canvas_copy.h"

// The desktop draws the still layers afresh each frame, its pixels as they
// have always been.

bool drawCanvasCopy(const CanvasPixels&, const float*) {
    return false;
}

bool takeCanvasCopy(const CanvasPixels&, const CanvasPixels&) {
    return false;
}

void forgetCanvasCopy() {}

// With no copy, the tint is laid over the whole window as a layer of its own,
// and these are never called.
void tintWhatFollows(const float*) {}
void tintNothingMore() {}
