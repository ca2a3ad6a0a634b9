#pragma once

// Fills the screen with the game, or gives it back its window. The camera
// is told too: a fullscreen window takes the screen's shape.
void showFullscreen(bool on);
