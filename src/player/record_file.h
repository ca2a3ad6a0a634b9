#pragma once

#include "player/record.h"

// The record as it stood before a game and with the game in it.
struct KeptRecord {
    Record before;
    Record after;
    bool beforeRead = false; // before is the record as kept (none yet counts), not a guess
    bool saved = false; // false when the file could not be written; after still counts the game
};

// Adds a finished game to the record file, so that two games ending at the
// same moment both count: takes the lock, reads the file afresh, adds the
// game and writes the file whole. A file read whole that is not a record is
// set aside for the player and a new record started; one that cannot be
// read this time (an input/output error, no descriptors or memory to spare)
// is left alone and this game not kept. Every complaint is one line on
// standard error, and the game goes on whatever happens.
KeptRecord keepGameInRecord(const GameResult& game);
