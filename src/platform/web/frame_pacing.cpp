#include "platform/frame_pacing.h"

#include <GL/gl.h>

// The browser draws a frame on each of its animation frames, at the
// display's own beat, so the game never holds one back. But the page only
// hands its drawing to the browser's GPU process, which renders it later;
// where that is slow (software rendering, a weak GPU) frames handed over
// faster than it renders queue up, and the browser drops every second or
// third. Reading one pixel back waits until the frame is rendered, as the
// desktop pacer's glFinish does, so the next frame never starts behind.
namespace {

bool lastFrameDrawn = true;

} // namespace

void setPaceFromDisplay() {}

void paceFrame() {
    unsigned char pixel[4];
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    lastFrameDrawn = true;
}

bool nextFrameDue() {
    if (!lastFrameDrawn) {
        return false;
    }
    lastFrameDrawn = false;
    return true;
}
