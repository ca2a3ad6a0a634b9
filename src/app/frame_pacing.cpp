#include "app/frame_pacing.h"

#include <GL/glx.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <thread>

FramePacer framePacer;

// A driver may queue a couple of swaps before it makes one wait, so one
// quick frame proves nothing; this many in a row do.
static constexpr int quickFramesToPace = 10;

FramePacer::Clock::duration FramePacer::beforeSwap(const Clock::time_point now) {
    const Clock::time_point previous = lastSwap;
    lastSwap = now;
    if (!started) {
        started = true;
        return {};
    }

    if (!pacing) {
        const bool quick = now - previous < refresh * 3 / 4;
        quickFramesInARow = quick ? quickFramesInARow + 1 : 0;
        pacing = quickFramesInARow >= quickFramesToPace;
        return {};
    }

    // A frame that overran its refresh is swapped at once, with no burst of
    // quick frames to catch up after it. The previous swap is never taken
    // as later than now, so a clock that stands still (as under a frozen
    // test clock) still gives one refresh of holding, not ever more.
    const Clock::time_point due = std::min(previous, now) + refresh;
    if (now >= due) {
        return {};
    }
    lastSwap = due;
    return due - now;
}

// The refresh rate of the first screen that shows anything, from the modes
// the server already knows: asking it to probe the monitors afresh can stall
// for a noticeable moment on a real desktop.
static double refreshRateOf(Display* display) {
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(display, XDefaultRootWindow(display));
    if (!resources) {
        return 0;
    }
    double rate = 0;
    for (int i = 0; i < resources->ncrtc && rate == 0; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!crtc) {
            continue;
        }
        for (int j = 0; j < resources->nmode; ++j) {
            const XRRModeInfo& mode = resources->modes[j];
            if (mode.id == crtc->mode && mode.hTotal > 0 && mode.vTotal > 0) {
                rate = static_cast<double>(mode.dotClock) / (mode.hTotal * double(mode.vTotal));
            }
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return rate;
}

void setPaceFromDisplay() {
    Display* display = glXGetCurrentDisplay();
    if (!display) {
        return;
    }
    // A virtual display reports no rate; 60 Hz is any ordinary monitor.
    const double rate = refreshRateOf(display);
    if (rate >= 20 && rate <= 500) {
        framePacer.refresh = std::chrono::duration_cast<FramePacer::Clock::duration>(
            std::chrono::duration<double>(1.0 / rate));
    }
}

void paceFrame() {
    // Without vertical sync the software renderer does a frame's pixel work
    // only when asked to show it; finishing it here first makes the swap
    // after the wait a copy of a ready picture, so the frame reaches the
    // screen on its beat and not a drawing time later.
    if (framePacer.pacing) {
        glFinish();
    }
    // The display is asked its rate only where the pacing is needed, and so
    // never while the game starts up.
    const bool wasPacing = framePacer.pacing;
    const FramePacer::Clock::duration rest = framePacer.beforeSwap(FramePacer::Clock::now());
    if (framePacer.pacing && !wasPacing) {
        setPaceFromDisplay();
    }
    if (rest > FramePacer::Clock::duration::zero()) {
        std::this_thread::sleep_for(rest);
    }
}
