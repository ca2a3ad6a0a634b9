#include "app/controller_actions.h"

#include "app/actions.h"
#include "app/steering_input.h"
#include "game/live_mode.h"
#include "platform/controllers.h"

namespace {

// The trigger presses at more than half way and lets go below a third, so
// that one resting near the middle does not flicker the light.
constexpr float triggerPressed = 0.5f;
constexpr float triggerLetGo = 0.35f;

// What the controller held at the last read, as actions.
struct Held {
    bool choose = false;
    bool focus = false;
    bool pause = false;
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
};
Held held;

void follow(bool& wasHeld, const bool isHeld, const Action action) {
    if (wasHeld != isHeld) {
        wasHeld = isHeld;
        act(action, isHeld);
    }
}

void followAll(const Held& now) {
    follow(held.choose, now.choose, Action::choose);
    follow(held.focus, now.focus, Action::focus);
    follow(held.pause, now.pause, Action::pause);
    follow(held.up, now.up, Action::up);
    follow(held.down, now.down, Action::down);
    follow(held.left, now.left, Action::left);
    follow(held.right, now.right, Action::right);
}

Velocity padVelocity(const PadState& pad) {
    // The D-pad steers as the arrow keys do, and before the stick.
    HeldDirections dpad;
    dpad.left = pad.dpadLeft;
    dpad.right = pad.dpadRight;
    dpad.up = pad.dpadUp;
    dpad.down = pad.dpadDown;
    const Velocity byDpad = keyVelocity(dpad);
    if (byDpad.x != 0 || byDpad.y != 0) {
        return byDpad;
    }
    return stickVelocity(pad.stickX, pad.stickY);
}

} // namespace

void pollController() {
    const PadState pad = readController();
    if (pad.unplugged) {
        followAll(Held{});
        stopControllerSteering();
        pauseLiveGame();
    }
    if (!pad.connected) {
        followAll(Held{});
        steerByController({});
        return;
    }
    Held now;
    now.choose = pad.a;
    now.focus = pad.rightTrigger > (held.focus ? triggerLetGo : triggerPressed);
    now.pause = pad.start;
    now.up = pad.dpadUp;
    now.down = pad.dpadDown;
    now.left = pad.dpadLeft;
    now.right = pad.dpadRight;
    followAll(now);
    steerByController(padVelocity(pad));
}
