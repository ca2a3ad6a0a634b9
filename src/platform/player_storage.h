#pragma once

#include <string>

// What keeping the player's files takes on each platform.

// Renames `from` to `to` unless `to` already exists, which is then EEXIST;
// 0 or an errno.
int moveIfFree(const std::string& from, const std::string& to);

// Has the player's file at `path`, as just written, moved or removed,
// outlast the game. Called after each change to one.
void persistPlayerFile(const std::string& path);

// Runs `work` (given `context`) with the player's files as they are stored
// now and with the storage to itself, so that a record another game kept
// meanwhile is read and merged, never written over. On the desktop it runs
// at once, the files being the disk's and the record's own file lock
// serving; elsewhere it may run later, from the game's loop.
void withFreshPlayerFiles(void (*work)(void* context), void* context);
