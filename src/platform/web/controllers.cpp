#include "platform/controllers.h"

#include <cstring>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>

// The page's gamepads, as the browser lays them out in its standard mapping;
// a pad the browser cannot map so is left alone (its buttons could be
// anything). The browser shows a pad only once one of its buttons is
// pressed, so a pad plugged in while playing is found by the read after that.

// A browser may refuse the page any gamepad (a permissions policy), and then
// asking throws: that page plays without them rather than failing each frame.
EM_JS(int, browserLendsGamepads, (), {
    try {
        if (!navigator.getGamepads) {
            return 0;
        }
        navigator.getGamepads();
        return 1;
    } catch (error) {
        return 0;
    }
});

// Emscripten has no rumble: the page's own, where the browser has it, and
// nothing where not.
EM_JS(void, rumbleGamepad, (int index, int milliseconds), {
    try {
        const pad = navigator.getGamepads()[index];
        if (pad && pad.vibrationActuator && pad.vibrationActuator.playEffect) {
            pad.vibrationActuator
                .playEffect("dual-rumble",
                            {duration : milliseconds, strongMagnitude : 0.6, weakMagnitude : 0.4})
                .catch(function(){});
        }
    } catch (error) {
    }
});

namespace {

// The standard mapping's places.
constexpr int buttonA = 0;
constexpr int buttonRightTrigger = 7;
constexpr int buttonStart = 9;
constexpr int buttonDpadUp = 12;
constexpr int buttonDpadDown = 13;
constexpr int buttonDpadLeft = 14;
constexpr int buttonDpadRight = 15;
constexpr int axisLeftX = 0;
constexpr int axisLeftY = 1;
constexpr int maxPads = 8;

// A stick pushed this far counts as the player reaching for that pad.
constexpr double stickReached = 0.5;

bool gamepadsLent = false;

// The pad in use: its place in the browser's list and its name, so that
// another pad plugged into the same place is not taken for it.
struct PadInUse {
    int index = -1;
    char id[EM_HTML5_MEDIUM_STRING_LEN_BYTES] = {};
};
PadInUse inUse;

// Whether each place's pad had anything pressed at the last read: a pad that
// goes from nothing to something is the one pressed last.
bool touchedBefore[maxPads] = {};

bool button(const EmscriptenGamepadEvent& pad, const int which) {
    return which < pad.numButtons && pad.digitalButton[which];
}

double analogButton(const EmscriptenGamepadEvent& pad, const int which) {
    return which < pad.numButtons ? pad.analogButton[which] : 0;
}

double axis(const EmscriptenGamepadEvent& pad, const int which) {
    return which < pad.numAxes ? pad.axis[which] : 0;
}

bool touched(const EmscriptenGamepadEvent& pad) {
    for (int which = 0; which < pad.numButtons; ++which) {
        if (pad.digitalButton[which]) {
            return true;
        }
    }
    return axis(pad, axisLeftX) > stickReached || axis(pad, axisLeftX) < -stickReached ||
           axis(pad, axisLeftY) > stickReached || axis(pad, axisLeftY) < -stickReached;
}

bool readStandardPad(const int index, EmscriptenGamepadEvent& pad) {
    return emscripten_get_gamepad_status(index, &pad) == EMSCRIPTEN_RESULT_SUCCESS &&
           pad.connected && std::strcmp(pad.mapping, "standard") == 0;
}

PadState stateOf(const EmscriptenGamepadEvent& pad) {
    PadState state;
    state.connected = true;
    state.stickX = static_cast<float>(axis(pad, axisLeftX));
    state.stickY = static_cast<float>(axis(pad, axisLeftY));
    state.rightTrigger = static_cast<float>(analogButton(pad, buttonRightTrigger));
    state.a = button(pad, buttonA);
    state.start = button(pad, buttonStart);
    state.dpadUp = button(pad, buttonDpadUp);
    state.dpadDown = button(pad, buttonDpadDown);
    state.dpadLeft = button(pad, buttonDpadLeft);
    state.dpadRight = button(pad, buttonDpadRight);
    return state;
}

} // namespace

void watchControllers() {
    gamepadsLent = browserLendsGamepads() != 0;
}

PadState readController() {
    if (!gamepadsLent || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) {
        return {};
    }
    int count = emscripten_get_num_gamepads();
    if (count > maxPads) {
        count = maxPads;
    }

    // Every standard pad, for the one in use and the one pressed last.
    static EmscriptenGamepadEvent pads[maxPads];
    bool present[maxPads] = {};
    bool inUseStill = false;
    int pressedNow = -1;
    int firstPresent = -1;
    for (int index = 0; index < count; ++index) {
        present[index] = readStandardPad(index, pads[index]);
        const bool isTouched = present[index] && touched(pads[index]);
        if (isTouched && !touchedBefore[index]) {
            pressedNow = index;
        }
        touchedBefore[index] = isTouched;
        if (!present[index]) {
            continue;
        }
        if (firstPresent < 0) {
            firstPresent = index;
        }
        if (index == inUse.index && std::strcmp(pads[index].id, inUse.id) == 0) {
            inUseStill = true;
        }
    }
    for (int index = count; index < maxPads; ++index) {
        touchedBefore[index] = false;
    }

    // The pad in use gone: said once, with nothing of it held any more; the
    // next read takes up another pad, if there is one.
    if (inUse.index >= 0 && !inUseStill) {
        inUse = {};
        PadState gone;
        gone.connected = firstPresent >= 0;
        gone.unplugged = true;
        return gone;
    }

    const int chosen = pressedNow >= 0 ? pressedNow : inUse.index >= 0 ? inUse.index : firstPresent;
    if (chosen < 0) {
        return {};
    }
    inUse.index = chosen;
    std::strcpy(inUse.id, pads[chosen].id);
    return stateOf(pads[chosen]);
}

void rumbleController(const int milliseconds) {
    if (gamepadsLent && inUse.index >= 0) {
        rumbleGamepad(inUse.index, milliseconds);
    }
}
