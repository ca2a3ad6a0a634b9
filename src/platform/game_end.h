#pragma once

// Each platform's main.cpp is the game's entry point: it enters the data
// folder and the player's language folder, then calls runGame (app/frame.h).

// Ends the game for good, as the player asked (Esc, Ctrl+Q, Alt+F4, the
// click that leaves the result screen). On the desktop the process ends and
// this never returns; in the browser the page takes over, and it returns to
// a caller that must then do nothing more.
void endGame();
