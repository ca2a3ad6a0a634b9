#include "app/state.h"

State* currentState = nullptr;

bool State::enter(State*) {
    return true;
}
bool State::leave(State*) {
    return true;
}
bool State::finish(State*) {
    return true;
}
void State::draw() {}
void State::update() {}
void State::mouse(int, int, int, int) {}
void State::motion(int, int) {}
void State::passiveMotion(int, int) {}
void State::action(Action, bool) {}

bool switchState(State* next) {
    if (currentState && !currentState->leave(next)) {
        return false;
    }
    next->enter(currentState);
    currentState = next;
    return true;
}
