#include "app/frame_pacer.h"

#include <algorithm>

FramePacer framePacer;

// A driver may queue a couple of swaps before it makes one wait, so one
// quick frame proves nothing; this many in a row do.
static constexpr int quickFramesToPace = 10;

void FramePacer::readRefresh(const Clock::duration displayRefresh) {
    const bool changed = refreshKnown && displayRefresh != refresh;
    refresh = displayRefresh;
    refreshKnown = true;
    if (changed) {
        pacing = false;
        quickFramesInARow = 0;
    }
}

FramePacer::Clock::duration FramePacer::beforeSwap(const Clock::time_point now) {
    const Clock::time_point previous = lastSwap;
    lastSwap = now;
    if (!started || !refreshKnown) {
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
