#pragma once

// Has the frame hear when the player leaves the game or can no longer see
// it (the pointer leaves, the window or page is hidden), so that a live game
// pauses by itself. Called by runGame with the callbacks, window made. It
// also has each key reach the game once a press: a held key's repeats would
// flicker the pause and rewrite the settings.
void watchWindow();
