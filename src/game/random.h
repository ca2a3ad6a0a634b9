#pragma once

#include <cstdint>

// The one pseudo-random generator behind every random choice in the game.
// It starts from 1 and is never reseeded, so every run draws the same
// sequence; which value an entity gets depends only on how many draws came
// before it. Returns 0 to 32767.
int nextRandom();

// The generator's state, for tests that need a known starting point.
extern std::uint32_t randomState;
