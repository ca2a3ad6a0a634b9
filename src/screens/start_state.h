#pragma once

#include "app/state.h"
#include "gfx/sprite.h"

// The first screen of a run: the splash picture, then on a click the
// instructions, then on the next click the game.
class StartState : public State {
  public:
    using State::State;
    ~StartState() override {}

    bool enter(State* previous) override;
    void draw() override;
    void mouse(int button, int buttonState, int x, int y) override;

    Sprite sprite;
    int instructionsShown = 0;
};

extern StartState startState;
