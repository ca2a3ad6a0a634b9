#pragma once

#include "app/actions.h"

// A screen of the game: the title, the live game or the result. Exactly one
// is current; the frame sends it every draw, update and pointer event, and
// the actions of every other device.
class State {
  public:
    explicit State(const char* name) : name(name) {}
    virtual ~State() {}

    virtual bool enter(State* previous);
    virtual bool leave(State* next);
    virtual bool finish(State* next);
    virtual void draw();
    virtual void update();
    virtual void mouse(int button, int buttonState, int x, int y);
    virtual void motion(int x, int y);
    virtual void passiveMotion(int x, int y);
    // The keys and a controller reach a screen as the player's actions.
    virtual void action(Action action, bool down);

    const char* const name;
};

extern State* currentState;

// Makes next current unless the current state refuses to leave. During
// next->enter the old state is still current.
bool switchState(State* next);
