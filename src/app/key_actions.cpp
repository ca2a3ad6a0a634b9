#include "app/key_actions.h"

#include "app/actions.h"
#include "app/steering_input.h"
#include "platform/pause_key.h"

#include <GL/freeglut.h>

namespace {

constexpr unsigned char ctrlQ = 17;
constexpr unsigned char enterKey = 13;
constexpr unsigned char escapeKey = 27;
// freeglut's own codes for the Shift keys alone.
constexpr int leftShift = 0x70;
constexpr int rightShift = 0x71;

// Keys held down, one bit each. Two keys steer each way (an arrow and a
// letter) and two choose: an action ends only once both are let go.
enum HeldKey : unsigned {
    leftArrow = 1u << 0,
    rightArrow = 1u << 1,
    upArrow = 1u << 2,
    downArrow = 1u << 3,
    letterA = 1u << 4,
    letterD = 1u << 5,
    letterW = 1u << 6,
    letterS = 1u << 7,
    space = 1u << 8,
    enter = 1u << 9,
    shift = 1u << 10,
};
constexpr unsigned chooseKeys = space | enter;

unsigned held = 0;

void steerByHeldKeys() {
    HeldDirections directions;
    directions.left = (held & (leftArrow | letterA)) != 0;
    directions.right = (held & (rightArrow | letterD)) != 0;
    directions.up = (held & (upArrow | letterW)) != 0;
    directions.down = (held & (downArrow | letterS)) != 0;
    directions.fine = (held & shift) != 0;
    steerByKeys(keyVelocity(directions));
}

// A held key's press or release: the action it gives starts with the first
// key held for it and ends with the last let go.
void holdKey(const HeldKey key, const bool down, const unsigned keysForAction,
             const Action action) {
    const bool wasHeld = (held & keysForAction) != 0;
    held = down ? held | key : held & ~key;
    const bool isHeld = (held & keysForAction) != 0;
    if (wasHeld != isHeld) {
        act(action, isHeld);
    }
}

void steerKey(const HeldKey key, const bool down, const unsigned keysForDirection,
              const Action direction) {
    holdKey(key, down, keysForDirection, direction);
    steerByHeldKeys();
}

void pressOnly(const Action action, const bool down) {
    if (down) {
        act(action, true);
    }
}

bool altHeld() {
    return (glutGetModifiers() & GLUT_ACTIVE_ALT) != 0;
}

} // namespace

void keyboardKey(const unsigned char key, const bool down) {
    switch (key) {
    case escapeKey:
    case ctrlQ:
        pressOnly(Action::quit, down);
        return;
    case 'm':
    case 'M':
        pressOnly(Action::mute, down);
        return;
    case 'p':
    case 'P':
        act(Action::pause, down);
        return;
    case '-':
    case '_':
        pressOnly(Action::volumeDown, down);
        return;
    case '+':
    case '=':
        pressOnly(Action::volumeUp, down);
        return;
    case ' ':
        holdKey(space, down, chooseKeys, Action::choose);
        return;
    case enterKey:
        // Alt+Enter is the fullscreen key, and no click.
        if (down && altHeld()) {
            act(Action::fullscreen, true);
        } else if (down || (held & enter) != 0) {
            holdKey(enter, down, chooseKeys, Action::choose);
        }
        return;
    case 'a':
    case 'A':
        steerKey(letterA, down, leftArrow | letterA, Action::left);
        return;
    case 'd':
    case 'D':
        steerKey(letterD, down, rightArrow | letterD, Action::right);
        return;
    case 'w':
    case 'W':
        steerKey(letterW, down, upArrow | letterW, Action::up);
        return;
    case 's':
    case 'S':
        steerKey(letterS, down, downArrow | letterS, Action::down);
        return;
    default:
        return;
    }
}

void specialKey(const int key, const bool down) {
    switch (key) {
    case GLUT_KEY_F11:
        pressOnly(Action::fullscreen, down);
        return;
    case pauseSpecialKey:
        pressOnly(Action::pause, down);
        return;
    case GLUT_KEY_LEFT:
        steerKey(leftArrow, down, leftArrow | letterA, Action::left);
        return;
    case GLUT_KEY_RIGHT:
        steerKey(rightArrow, down, rightArrow | letterD, Action::right);
        return;
    case GLUT_KEY_UP:
        steerKey(upArrow, down, upArrow | letterW, Action::up);
        return;
    case GLUT_KEY_DOWN:
        steerKey(downArrow, down, downArrow | letterS, Action::down);
        return;
    case leftShift:
    case rightShift:
        held = down ? held | shift : held & ~shift;
        steerByHeldKeys();
        return;
    default:
        return;
    }
}

void letGoOfKeys() {
    const bool choosing = (held & chooseKeys) != 0;
    held = 0;
    stopKeySteering();
    if (choosing) {
        act(Action::choose, false);
    }
}
