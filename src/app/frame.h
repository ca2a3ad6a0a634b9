#pragma once

#include <cstdint>

// The frame clock every state reads for timing. elapsedMs is GLUT's time at
// the latest tick; frameDelta is the seconds since the tick before, capped so
// that a stalled frame slows the game down rather than making it jump.
extern std::int32_t elapsedMs;
extern float frameDelta;
extern std::int32_t lastTickMs;

void tickClock();

// A paused game's time stands still. While the clock is held the frame stops
// its idle passes, so nothing moves and next to no CPU is spent, and the
// window is drawn only when it needs redrawing; once released the clock goes
// on from where it stood, the held seconds left out of elapsedMs for good.
void holdGameClock();
void releaseGameClock();
extern std::int32_t heldMs; // every millisecond the clock has been held so far

// GLUT has no code for the Pause key, which the frame hears by itself; it
// reaches the states as this special key, outside the range GLUT uses.
constexpr int pauseSpecialKey = 0x1000;

// Seconds on the frame clock, the way every state stamps its times.
float nowSeconds();

// The GLUT callbacks, registered in this order by runGame.
void onReshape(int width, int height);
void onDisplay();
void onIdle();
void onMouse(int button, int buttonState, int x, int y);
void onMotion(int x, int y);
void onPassiveMotion(int x, int y);
void onKeyboard(unsigned char key, int x, int y);
void onKeyboardUp(unsigned char key, int x, int y);
void onSpecial(int key, int x, int y);
void onSpecialUp(int key, int x, int y);
void onEntry(int state);
void onWindowStatus(int status);

// Opens the window, shows the title screen and runs GLUT's loop; the game
// ends inside it through endGame().
int runGame(int argc, char** argv);
