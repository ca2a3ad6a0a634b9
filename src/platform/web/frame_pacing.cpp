#include "platform/frame_pacing.h"

#include <GL/gl.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>

// The browser draws a frame on each of its animation frames, at the
// display's own beat, so the game never holds one back. The page only hands
// its drawing to the browser's GPU process, which renders it later, while the
// page prepares the next: the game's own work is a few percent of a frame,
// the rest is the renderer's. Some renderers (in software, a weak GPU) were
// seen to fall behind all the same, frames handed over faster than they
// render queuing up and the browser dropping every second or third. Reading
// one pixel back waits until the frame is rendered, as the desktop pacer's
// glFinish does, so the next frame never starts behind; but the page then
// waits out the whole render (most of its main thread, profiled in headless
// Chromium's software renderer) instead of preparing the next frame.
//
// So the readback is kept only where the frame rate does not hold without
// it, as measured here: the first frames are handed over as they come, the
// next as many each after a readback, and each run counts its frames against
// the display's beat. The readback stays only where it showed clearly more.
namespace {

bool lastFrameDrawn = true;

// Two seconds at 60 Hz; a tenth more frames shown is clearly more.
constexpr std::size_t trialFrames = 120;
constexpr double clearlyMore = 1.1;

enum class Trial { without, with, decided };
Trial trial = Trial::without;
bool readBack = false;
std::array<double, trialFrames> frameTimes{};
std::size_t framesTimed = 0;
double shownWithout = 0;

// The share of the display's beats that showed a frame, the beat taken as
// the short gaps between frames (one in ten being shorter).
double shownShare() {
    std::array<double, trialFrames - 1> gaps{};
    for (std::size_t i = 1; i < trialFrames; ++i) {
        gaps[i - 1] = frameTimes[i] - frameTimes[i - 1];
    }
    const auto tenth = gaps.begin() + gaps.size() / 10;
    std::nth_element(gaps.begin(), tenth, gaps.end());
    const double span = frameTimes.back() - frameTimes.front();
    return span > 0 ? static_cast<double>(gaps.size()) * *tenth / span : 1;
}

void timeFrame() {
    frameTimes[framesTimed++] = emscripten_get_now();
    if (framesTimed < trialFrames) {
        return;
    }
    framesTimed = 0;
    if (trial == Trial::without) {
        shownWithout = shownShare();
        readBack = true;
        trial = Trial::with;
    } else {
        readBack = shownShare() > shownWithout * clearlyMore;
        trial = Trial::decided;
    }
}

} // namespace

void setPaceFromDisplay() {}

void paceFrame() {
    if (readBack) {
        unsigned char pixel[4];
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    }
    if (trial != Trial::decided) {
        timeFrame();
    }
    lastFrameDrawn = true;
}

bool nextFrameDue() {
    if (!lastFrameDrawn) {
        return false;
    }
    lastFrameDrawn = false;
    return true;
}
