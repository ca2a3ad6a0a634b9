#pragma once

// The game controller's part of the actions (app/actions.h), read once a
// frame and by the paused game's slow timer: the left stick and the D-pad
// steer the glass (and move about the pause menu), A does what a click does,
// the right trigger focuses, Start pauses and resumes. Unplugging the
// controller in use lets go of everything it held and pauses a live game.
void pollController();
