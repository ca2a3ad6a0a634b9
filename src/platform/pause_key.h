#pragma once

// GLUT reports no Pause key, so the game listens for it on the window by
// itself. watchPauseKey needs the window to exist.
void watchPauseKey();

// True once for every press of Pause since the last call; never waits.
bool pauseKeyPressed();

// GLUT has no code for the Pause key, which the frame hears by itself; it
// reaches the states as this special key, outside the range GLUT uses.
constexpr int pauseSpecialKey = 0x1000;
