#pragma once

#include <cstdint>

// The frame clock every state reads for timing. elapsedMs is GLUT's time at
// the latest tick, paused time left out; frameDelta is the seconds since the
// tick before, capped so that a stalled frame slows the game down rather
// than making it jump. Times are whole milliseconds in 64 bits, so that
// neither hours on the title nor weeks of running round them or wrap them;
// the rules turn a span of them into seconds where they need seconds.
extern std::int64_t elapsedMs;
extern float frameDelta;
extern std::int64_t lastTickMs;

void tickClock();

// Seconds on the frame clock, for a report; spans are measured in elapsedMs.
float nowSeconds();

// GLUT's elapsed time, widened: GLUT counts in an int, which wraps after
// 24.8 days, and each reading is taken as the shortest step on from the last.
std::int64_t glutElapsedMs();

// A paused game's time stands still: once released the clock goes on from
// where it stood, the held seconds left out of elapsedMs for good.
void holdGameClock();
void releaseGameClock();
bool gameClockHeld();
extern std::int64_t heldMs; // every millisecond the clock has been held so far

// While the clock is held the frame stops its idle passes, so nothing moves
// and next to no CPU is spent, and the window is drawn only when it needs
// redrawing. The frame says here, once, what it does as the clock is held
// and released; the clock knows nothing else of the frame.
void whenGameClockHeld(void (*held)(), void (*released)());
