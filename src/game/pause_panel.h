#pragma once

// Over a paused game: the scene dimmed, and the panel that says the game is
// paused and how to go on.
void drawPausePanel();
