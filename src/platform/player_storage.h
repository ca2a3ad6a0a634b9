#pragma once

#include <string>

// What keeping the player's files takes on each platform.

// Renames `from` to `to` unless `to` already exists, which is then EEXIST;
// 0 or an errno.
int moveIfFree(const std::string& from, const std::string& to);

// Has the player's files, as written so far, outlast the game. Called after
// each change to them.
void persistPlayerFiles();
