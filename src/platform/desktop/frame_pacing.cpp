#include "platform/frame_pacing.h"

#include "app/frame_pacer.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/extensions/Xrandr.h>

#include <thread>

// The refresh rate of the monitor that shows the window's centre (or of the
// first one that shows anything), from the modes the server already knows:
// asking it to probe the monitors afresh can stall for a noticeable moment on
// a real desktop.
static double refreshRateOf(Display* display) {
    const Window root = XDefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources) {
        return 0;
    }
    int centreX = 0;
    int centreY = 0;
    Window child = 0;
    XTranslateCoordinates(display, glXGetCurrentDrawable(), root, glutGet(GLUT_WINDOW_WIDTH) / 2,
                          glutGet(GLUT_WINDOW_HEIGHT) / 2, &centreX, &centreY, &child);

    double firstRate = 0;
    double windowRate = 0;
    for (int i = 0; i < resources->ncrtc && windowRate == 0; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!crtc) {
            continue;
        }
        double rate = 0;
        for (int j = 0; j < resources->nmode; ++j) {
            const XRRModeInfo& mode = resources->modes[j];
            if (mode.id == crtc->mode && mode.hTotal > 0 && mode.vTotal > 0) {
                rate = static_cast<double>(mode.dotClock) / (mode.hTotal * double(mode.vTotal));
            }
        }
        const bool showsWindow = centreX >= crtc->x && centreY >= crtc->y &&
                                 centreX < crtc->x + static_cast<int>(crtc->width) &&
                                 centreY < crtc->y + static_cast<int>(crtc->height);
        if (firstRate == 0) {
            firstRate = rate;
        }
        if (showsWindow) {
            windowRate = rate;
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return windowRate != 0 ? windowRate : firstRate;
}

void setPaceFromDisplay() {
    Display* display = glXGetCurrentDisplay();
    const double rate = display ? refreshRateOf(display) : 0;
    // A virtual display reports no rate; 60 Hz is any ordinary monitor.
    FramePacer::Clock::duration refresh = std::chrono::microseconds(16667);
    if (rate >= 20 && rate <= 500) {
        refresh = std::chrono::duration_cast<FramePacer::Clock::duration>(
            std::chrono::duration<double>(1.0 / rate));
    }
    framePacer.readRefresh(refresh);
}

// A window dragged onto another monitor may now be shown at another rate.
// Where the window is costs a trip to the display, so it is asked once a
// second, not every frame.
static void readRateAgainWhenMoved() {
    static FramePacer::Clock::time_point lastLook{};
    static int lastX = 0;
    static int lastY = 0;
    const FramePacer::Clock::time_point now = FramePacer::Clock::now();
    if (now - lastLook < std::chrono::seconds(1)) {
        return;
    }
    lastLook = now;
    const int x = glutGet(GLUT_WINDOW_X);
    const int y = glutGet(GLUT_WINDOW_Y);
    if (x != lastX || y != lastY) {
        lastX = x;
        lastY = y;
        setPaceFromDisplay();
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
    // The display is asked its rate once the first frame is shown, so never
    // while the game starts up, and before any frame is judged.
    if (framePacer.started && !framePacer.refreshKnown) {
        setPaceFromDisplay();
    } else if (framePacer.refreshKnown) {
        readRateAgainWhenMoved();
    }
    const FramePacer::Clock::duration rest = framePacer.beforeSwap(FramePacer::Clock::now());
    if (rest > FramePacer::Clock::duration::zero()) {
        std::this_thread::sleep_for(rest);
    }
}

bool nextFrameDue() {
    return true;
}
