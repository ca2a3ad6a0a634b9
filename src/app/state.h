#pragma once

// A screen of the game: the title, the live game or the result. Exactly one
// is current; the frame sends it every draw, update and input event.
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
    virtual void keyDown(unsigned char key, int x, int y);
    virtual void keyUp(unsigned char key, int x, int y);
    virtual void specialDown(int key, int x, int y);
    virtual void specialUp(int key, int x, int y);

    const char* const name;
};

extern State* currentState;

// Makes next current unless the current state refuses to leave. During
// next->enter the old state is still current.
bool switchState(State* next);
