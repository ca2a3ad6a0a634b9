#pragma once

#include "player/record.h"

// The record as it stood before a game and with the game in it.
struct KeptRecord {
    Record before;
    Record after;
    bool saved = false; // false when the file could not be written; after still counts the game
};

// Adds a finished game to the record file, so that two games ending at the
// same moment both count: takes the lock, reads the file afresh, adds the
// game and writes the file whole. A file that cannot be read is set aside
// for the player and a new record started; every complaint is one line on
// standard error, and the game goes on whatever happens.
KeptRecord keepGameInRecord(const GameResult& game);
