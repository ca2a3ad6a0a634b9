#include "platform/controllers.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdio>

// Index:
// - The controllers open: the table, found by SDL's instance id
// - SDL's events: plugged in, unplugged, touched
// - The state of the controller in use
// - The seam: watch, read, rumble

namespace {

// The controllers open: the table, found by SDL's instance id -------------

// More controllers than a sofa seats are not opened at all.
constexpr int maxControllers = 8;

struct OpenController {
    SDL_GameController* pad = nullptr;
    SDL_JoystickID id = -1;
};

struct Controllers {
    bool watching = false;
    std::array<OpenController, maxControllers> open{};
    OpenController* inUse = nullptr;
    // The one in use went away since the last read.
    bool unplugged = false;
};
Controllers controllers;

OpenController* findOpen(const SDL_JoystickID id) {
    for (OpenController& slot : controllers.open) {
        if (slot.pad != nullptr && slot.id == id) {
            return &slot;
        }
    }
    return nullptr;
}

OpenController* anyOpen() {
    for (OpenController& slot : controllers.open) {
        if (slot.pad != nullptr) {
            return &slot;
        }
    }
    return nullptr;
}

OpenController* freeSlot() {
    for (OpenController& slot : controllers.open) {
        if (slot.pad == nullptr) {
            return &slot;
        }
    }
    return nullptr;
}

// SDL's events: plugged in, unplugged, touched ---------------------------

// A stick or trigger pushed past a quarter of its travel is a player's
// hand; less may be an idle stick's drift, which must not steal the
// controller in use from the one being played.
constexpr int touchedAxis = SDL_JOYSTICK_AXIS_MAX / 4;

bool handled(SDL_GameController* pad) {
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
        if (SDL_GameControllerGetButton(pad, SDL_GameControllerButton(button)) != 0) {
            return true;
        }
    }
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) {
        const int value = SDL_GameControllerGetAxis(pad, SDL_GameControllerAxis(axis));
        if (value > touchedAxis || value < -touchedAxis) {
            return true;
        }
    }
    return false;
}

// SDL only announces joysticks it has a controller mapping for as
// controllers, so a joystick it cannot map is never opened here, and its
// axes never steer.
void plugIn(const int deviceIndex) {
    // SDL also announces the controllers already there when it starts; a
    // second Open of one would only count it twice.
    if (findOpen(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) {
        return;
    }
    OpenController* slot = freeSlot();
    if (slot == nullptr) {
        return;
    }
    slot->pad = SDL_GameControllerOpen(deviceIndex);
    if (slot->pad == nullptr) {
        return;
    }
    slot->id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(slot->pad));
    // The first controller plugged in is the one in use until another is
    // pressed. SDL tells of no press before the controller is open, so one
    // plugged in with a button already down counts as pressed now.
    if (controllers.inUse == nullptr || handled(slot->pad)) {
        controllers.inUse = slot;
    }
}

void unplug(const SDL_JoystickID id) {
    OpenController* slot = findOpen(id);
    if (slot == nullptr) {
        return;
    }
    SDL_GameControllerClose(slot->pad);
    *slot = OpenController{};
    if (controllers.inUse == slot) {
        controllers.unplugged = true;
        controllers.inUse = anyOpen();
    }
}

void touched(const SDL_JoystickID id) {
    if (OpenController* slot = findOpen(id)) {
        controllers.inUse = slot;
    }
}

void follow(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        plugIn(event.cdevice.which); // a device index here
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        unplug(event.cdevice.which); // an instance id here
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        touched(event.cbutton.which);
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.value > touchedAxis || event.caxis.value < -touchedAxis) {
            touched(event.caxis.which);
        }
        break;
    default:
        break;
    }
}

// Nothing else in the game reads SDL's event queue (GLUT has the window and
// its events, and the mixer posts none that matter), so every event is taken
// here: whatever was left would pile up in SDL's queue for good. One pump
// and a few batched takes, since each SDL_PollEvent would pump again.
void followEvents() {
    SDL_PumpEvents();
    std::array<SDL_Event, 32> batch;
    int taken = 0;
    do {
        taken = SDL_PeepEvents(batch.data(), static_cast<int>(batch.size()), SDL_GETEVENT,
                               SDL_FIRSTEVENT, SDL_LASTEVENT);
        for (int i = 0; i < taken; ++i) {
            follow(batch[i]);
        }
    } while (taken == static_cast<int>(batch.size()));
}

// The state of the controller in use ---------------------------------------

float stickAxis(SDL_GameController* pad, const SDL_GameControllerAxis axis) {
    // SDL's range reaches one step further below zero than above it.
    const float value = SDL_GameControllerGetAxis(pad, axis) / float(SDL_JOYSTICK_AXIS_MAX);
    return std::max(value, -1.0f);
}

float triggerAxis(SDL_GameController* pad, const SDL_GameControllerAxis axis) {
    const float value = SDL_GameControllerGetAxis(pad, axis) / float(SDL_JOYSTICK_AXIS_MAX);
    return std::clamp(value, 0.0f, 1.0f);
}

bool held(SDL_GameController* pad, const SDL_GameControllerButton button) {
    return SDL_GameControllerGetButton(pad, button) != 0;
}

PadState stateOf(SDL_GameController* pad) {
    PadState state;
    state.connected = true;
    state.stickX = stickAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    state.stickY = stickAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    state.rightTrigger = triggerAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    state.a = held(pad, SDL_CONTROLLER_BUTTON_A);
    state.start = held(pad, SDL_CONTROLLER_BUTTON_START);
    state.dpadUp = held(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.dpadDown = held(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.dpadLeft = held(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.dpadRight = held(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    return state;
}

} // namespace

// The seam: watch, read, rumble --------------------------------------------

void watchControllers() {
    if (controllers.watching) {
        return;
    }
    // Starting SDL's events would otherwise turn Ctrl+C and SIGTERM into
    // events that nobody acts on, leaving a game its terminal cannot stop.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL counts the users of each subsystem, so the sound closing its own
    // leaves the events and controllers running.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "No game controllers (%s)\n", SDL_GetError());
        return;
    }
    controllers.watching = true;
}

PadState readController() {
    if (!controllers.watching) {
        return {};
    }
    followEvents();

    PadState state;
    if (controllers.inUse != nullptr) {
        state = stateOf(controllers.inUse->pad);
    }
    state.unplugged = controllers.unplugged;
    controllers.unplugged = false;
    return state;
}

void rumbleController(const int milliseconds) {
    if (controllers.inUse == nullptr || milliseconds <= 0) {
        return;
    }
    // A light buzz, mostly from the small motor: a catch is good news, not a
    // crash. A controller without motors just says no.
    SDL_GameControllerRumble(controllers.inUse->pad, 0x3000, 0xA000,
                             static_cast<Uint32>(milliseconds));
}
