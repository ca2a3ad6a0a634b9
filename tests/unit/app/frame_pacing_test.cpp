#include "app/frame_pacing.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using std::chrono::milliseconds;
using Clock = FramePacer::Clock;

// Feeds the pacer swaps that each took `frame` to draw, returning the sleep
// it asked after the last; `at` follows the frames and the sleeps.
Clock::duration swaps(FramePacer& pacer, Clock::time_point& at, const int count,
                      const Clock::duration frame) {
    Clock::duration rest{};
    for (int i = 0; i < count; ++i) {
        at += frame;
        rest = pacer.afterSwap(at);
        at += rest;
    }
    return rest;
}

TEST(FramePacing, SwapsThatComeBackAtOnceArePacedToTheRefresh) {
    FramePacer pacer;
    pacer.refresh = milliseconds(20);
    Clock::time_point at{};
    // A few quick frames could be swaps a driver queued; a run of them is not.
    EXPECT_EQ(swaps(pacer, at, 5, milliseconds(3)), Clock::duration::zero());
    EXPECT_FALSE(pacer.pacing);
    swaps(pacer, at, 7, milliseconds(3));
    EXPECT_TRUE(pacer.pacing);

    // From then on each frame sleeps out the rest of its refresh.
    EXPECT_EQ(swaps(pacer, at, 1, milliseconds(3)), milliseconds(17));
    EXPECT_EQ(swaps(pacer, at, 3, milliseconds(5)), milliseconds(15));

    // A frame that overran starts the next at once, and no quick catch-up
    // follows: the one after is a whole refresh later again.
    EXPECT_EQ(swaps(pacer, at, 1, milliseconds(30)), Clock::duration::zero());
    EXPECT_EQ(swaps(pacer, at, 1, milliseconds(4)), milliseconds(16));
}

TEST(FramePacing, SwapsThatWaitForTheDisplayAreNeverPaced) {
    FramePacer pacer;
    pacer.refresh = milliseconds(16);
    Clock::time_point at{};
    for (int round = 0; round < 20; ++round) {
        // Two queued swaps come back quickly now and then.
        EXPECT_EQ(swaps(pacer, at, 2, milliseconds(1)), Clock::duration::zero());
        EXPECT_EQ(swaps(pacer, at, 8, milliseconds(16)), Clock::duration::zero());
    }
    EXPECT_FALSE(pacer.pacing);
}

} // namespace
