#pragma once

// GLUT reports no Pause key, so the game listens for it on the window by
// itself. watchPauseKey needs the window to exist.
void watchPauseKey();

// True once for every press of Pause since the last call; never waits.
bool pauseKeyPressed();
