#pragma once

// The generator's state after the first n draws of a run, worked out with
// the game's own generator, so that a test can tell how many draws an action
// took.

#include "game/random.h"

#include <cstdint>

inline std::uint32_t randomStateAfterDraws(const int n) {
    const std::uint32_t saved = randomState;
    randomState = 1;
    for (int i = 0; i < n; ++i) {
        nextRandom();
    }
    const std::uint32_t after = randomState;
    randomState = saved;
    return after;
}
