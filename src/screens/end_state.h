#pragma once

#include "app/state.h"
#include "gfx/sprite.h"

// The last screen of a run: the win or lose picture. A click ends the
// program, but only once the picture has been up for more than five seconds,
// so a click meant for the game does not skip it.
class EndState : public State {
  public:
    using State::State;
    ~EndState() override {}

    bool enter(State* previous) override;
    void draw() override;
    void mouse(int button, int buttonState, int x, int y) override;

    Sprite sprite;
    float enteredAt = 0;
};

extern EndState endState;
