#pragma once

// Fills the screen with the game, or gives it back its window. The camera
// is told too: a fullscreen window takes the screen's shape.
void showFullscreen(bool on);

// Whether the game fills the screen now, whoever made it so: the game's own
// keys, or the window manager's or the browser's own controls.
bool fullscreenShown();
