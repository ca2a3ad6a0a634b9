#pragma once

#include "fake_gl.h"
#include "fresh_process.h"
#include "random_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Every entity test starts as a fresh process does: from the first value of
// the random sequence, with an empty texture cache and a clean call record.
// The reset comes first, before a test's own members are built.
class EntityTest : public ::testing::Test {
  protected:
    EntityTest() { startFreshProcess(); }
};

inline long countCalls(const std::vector<std::string>& calls, const std::string& prefix) {
    return std::count_if(calls.begin(), calls.end(),
                         [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}
