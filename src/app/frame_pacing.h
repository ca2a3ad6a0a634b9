#pragma once

#include <chrono>

// Where vertical sync is in force a swap waits for the display, and the game
// draws once a refresh. Where it is not (a virtual display, many virtual
// machines, some drivers) swaps come back at once and the game would draw as
// fast as it can, for a picture no display shows faster than it refreshes.
// The pacer tells the two apart by the frames themselves: a run of frames
// each well inside one refresh cannot happen while swaps wait. From then on
// it sleeps out the rest of each refresh after the swap.
struct FramePacer {
    using Clock = std::chrono::steady_clock;

    Clock::duration refresh = std::chrono::microseconds(16667);
    bool pacing = false;
    int quickFramesInARow = 0;
    bool started = false;
    Clock::time_point lastFrameEnd{};

    // Given the moment a swap came back, how long to sleep before the next
    // frame begins.
    Clock::duration afterSwap(Clock::time_point now);
};

extern FramePacer framePacer;

// The display's refresh rate where it reports one, 60 Hz otherwise; needs
// the window's GL context.
void setPaceFromDisplay();

// Called by the display callback right after each swap; reads the display's
// rate when the pacing begins.
void paceFrame();
