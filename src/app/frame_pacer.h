#pragma once

#include <chrono>

// Where vertical sync is in force a swap waits for the display, and the game
// draws once a refresh. Where it is not (a virtual display, many virtual
// machines, some drivers) swaps come back at once and the game would draw as
// fast as it can, for a picture no display shows faster than it refreshes.
// The pacer tells the two apart by the frames themselves: a run of frames
// each well inside one refresh cannot happen while swaps wait. From then on it
// holds each finished frame back until its moment, one refresh after the
// one before, and only then swaps it: the frames reach the screen on an even
// beat, however long each took to draw, as they would with vertical sync.
struct FramePacer {
    using Clock = std::chrono::steady_clock;

    // The display's refresh, read before any frame is judged against it: a
    // fast monitor's frames, judged against an ordinary one's refresh, would
    // all look quick and be paced on top of vertical sync.
    Clock::duration refresh = std::chrono::microseconds(16667);
    bool refreshKnown = false;
    bool pacing = false;
    int quickFramesInARow = 0;
    bool started = false;
    Clock::time_point lastSwap{}; // when the last frame was swapped, or is due to be

    // Given the moment a frame is drawn and ready, how long to hold it
    // before swapping it.
    Clock::duration beforeSwap(Clock::time_point now);

    // The display's refresh as read now. A new one (the window moved to
    // another monitor) is judged afresh: vertical sync at 144 Hz, held to a
    // 60 Hz beat, would never show a quick frame again to end the pacing.
    void readRefresh(Clock::duration displayRefresh);
};

extern FramePacer framePacer;
