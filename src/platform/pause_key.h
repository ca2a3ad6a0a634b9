#pragma once

// GLUT reports no Pause key, nor the window losing the keyboard, so the game
// listens for both on the window by itself. watchPauseKey needs the window to
// exist.
void watchPauseKey();

// True once for every press of Pause since the last call; never waits.
bool pauseKeyPressed();

// True once after the window lost the keyboard to another (Alt+Tab, a click
// on another window, another tab or window in front); never waits.
bool keyboardFocusLost();

// True once after the window lost the keyboard, even if it has it back by
// now: the keys held then were let go elsewhere, and no release will come.
bool keysLetGoElsewhere();

// GLUT has no code for the Pause key, which the frame hears by itself; it
// reaches the states as this special key, outside the range GLUT uses.
constexpr int pauseSpecialKey = 0x1000;
