#pragma once

// Has the frame hear when the player leaves the game or can no longer see
// it (the pointer leaves, the window or page is hidden), so that a live game
// pauses by itself. Called by runGame with the callbacks, window made. It
// also has a held key's repeats reach the frame as presses alone, never as a
// release and a press, so that the frame can leave them out.
void watchWindow();
