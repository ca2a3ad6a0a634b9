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
    void update() override;
    void mouse(int button, int buttonState, int x, int y) override;
    // Enter, Space or a controller's A: what a click does, on its release.
    void action(Action action, bool down) override;
    // On to the next screen, as a click asks.
    void goOn();

    Sprite sprite;
    int instructionsShown = 0;
    // How many of the live game's pictures are loaded ahead, one a frame
    // while the player reads, and then whether the sound device is open, so
    // that starting the game does not stall.
    int picturesReady = 0;
    bool soundReady = false;
    // A click asked for the instructions, or the game, while their pictures
    // were still on their way (the browser's slow link): they follow once
    // the pictures are in.
    bool instructionsWanted = false;
    bool startWanted = false;
};

extern StartState startState;
