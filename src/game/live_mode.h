#pragma once

#include "app/state.h"

#include <cstdint>

// The live game on the frozen lake.
class LiveMode : public State {
  public:
    using State::State;
    ~LiveMode() override {}

    std::uint8_t won = 0;
};

extern LiveMode liveMode;
