#pragma once

#include "fake_gl.h"
#include "game/random.h"
#include "gfx/sprite.h"
#include "gfx/texture_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Every entity test starts from the first value of the random sequence, a
// clean call record and a render cache that matches OpenGL's defaults.
class EntityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetFakeGl();
        renderCache = RenderCache{};
        randomState = 1;
        // The fake hands out texture names from 1 again after a reset; start
        // past every picture already cached so that no two pictures share one.
        fakeGl().nextTexture = 1000 + static_cast<unsigned int>(textureCache.size());
    }
};

// The generator's state after n draws from the start of a run, worked out on
// the side so that a test can tell exactly how many draws an action took.
inline std::uint32_t randomStateAfterDraws(const int n) {
    std::uint32_t state = 1;
    for (int i = 0; i < n; ++i) {
        state = state * 214013u + 2531011u;
    }
    return state;
}

inline long countCalls(const std::vector<std::string>& calls, const std::string& prefix) {
    return std::count_if(calls.begin(), calls.end(),
                         [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}
