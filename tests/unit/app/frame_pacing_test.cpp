#include "app/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using Clock = FramePacer::Clock;

// A pacer that has read the display's refresh.
FramePacer pacerAt(const Clock::duration refresh) {
    FramePacer pacer;
    pacer.refresh = refresh;
    pacer.refreshKnown = true;
    return pacer;
}

// Frames that each took `frame` to draw, each held for as long as the pacer
// asks before its swap; returns the last hold.
Clock::duration swaps(FramePacer& pacer, Clock::time_point& at, const int count,
                      const Clock::duration frame) {
    Clock::duration rest{};
    for (int i = 0; i < count; ++i) {
        at += frame;
        rest = pacer.beforeSwap(at);
        at += rest;
    }
    return rest;
}

TEST(FramePacing, SwapsThatComeBackAtOnceArePacedToTheRefresh) {
    FramePacer pacer = pacerAt(milliseconds(20));
    Clock::time_point at{};
    // A few quick frames could be swaps a driver queued; a run of them is not.
    EXPECT_EQ(swaps(pacer, at, 5, milliseconds(3)), Clock::duration::zero());
    swaps(pacer, at, 7, milliseconds(3));
    EXPECT_EQ(swaps(pacer, at, 3, milliseconds(5)), milliseconds(15));
    // An overrun starts the next frame at once, with no quick catch-up after.
    EXPECT_EQ(swaps(pacer, at, 1, milliseconds(30)), Clock::duration::zero());
    EXPECT_EQ(swaps(pacer, at, 1, milliseconds(4)), milliseconds(16));
}

TEST(FramePacing, SwapsThatWaitForTheDisplayAreNeverPaced) {
    FramePacer pacer = pacerAt(milliseconds(16));
    Clock::time_point at{};
    for (int round = 0; round < 20; ++round) {
        swaps(pacer, at, 2, milliseconds(1)); // two queued swaps now and then
        EXPECT_EQ(swaps(pacer, at, 8, milliseconds(16)), Clock::duration::zero());
    }
}

TEST(FramePacing, OnA144HzMonitorOnlySwapsThatComeBackAtOnceArePaced) {
    const Clock::duration refresh = microseconds(6944);
    Clock::time_point at{};

    // Before the rate is read nothing is judged: vertical sync at 144 Hz is
    // quicker than any slower monitor's refresh, and would look absent.
    FramePacer unread;
    swaps(unread, at, 30, refresh);
    EXPECT_FALSE(unread.pacing);

    FramePacer synced = pacerAt(refresh);
    EXPECT_EQ(swaps(synced, at, 60, refresh), Clock::duration::zero());
    EXPECT_FALSE(synced.pacing);

    FramePacer unsynced = pacerAt(refresh);
    swaps(unsynced, at, 12, milliseconds(2));
    EXPECT_EQ(swaps(unsynced, at, 1, milliseconds(2)), microseconds(4944));
}

TEST(FramePacing, AWindowMovedToAFasterMonitorIsJudgedAfresh) {
    // Paced on a 60 Hz monitor with no vertical sync...
    FramePacer pacer = pacerAt(microseconds(16667));
    Clock::time_point at{};
    swaps(pacer, at, 12, milliseconds(2));
    ASSERT_TRUE(pacer.pacing);

    // ...then shown on one at 144 Hz whose swaps wait: held to 60 no more.
    pacer.readRefresh(microseconds(6944));
    EXPECT_EQ(swaps(pacer, at, 60, microseconds(6944)), Clock::duration::zero());
    EXPECT_FALSE(pacer.pacing);
}

} // namespace
