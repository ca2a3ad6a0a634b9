#pragma once

#include "app/state.h"
#include "gfx/sprite.h"
#include "player/record.h"
#include "screens/result_figures.h"

#include <cstdint>

// The last screen of a run: the win or lose picture, with this game's
// figures beside the best ever. A click ends the program, but only once the
// picture has been up for more than five seconds, so a click meant for the
// game does not skip it.
class EndState : public State {
  public:
    using State::State;
    ~EndState() override {}

    bool enter(State* previous) override;
    void draw() override;
    void update() override;
    void mouse(int button, int buttonState, int x, int y) override;
    // Enter, Space or a controller's A: what a click does, on its release.
    void action(Action action, bool down) override;
    // On to the next screen, as a click asks.
    void goOn();

    Sprite sprite;
    std::int64_t enteredAtMs = 0;
    // The game just ended, kept in the record once the screen is up; the
    // figures show from then on.
    GameResult result;
    bool recordPending = false;
    bool figuresShown = false;
    ResultFigures figures;
};

extern EndState endState;
