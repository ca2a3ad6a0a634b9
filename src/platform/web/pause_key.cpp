#include "platform/pause_key.h"

#include <emscripten/html5.h>

#include <cstring>

// The browser's GLUT reports no Pause key either, nor the page losing the
// keyboard, so the page's own events are heard beside it. They are
// registered through emscripten's html5 events, which the game's end removes
// all at once (game_end.cpp): an ended game hears nothing more.
namespace {

int pausePresses = 0;
bool focusLost = false;
bool keysElsewhere = false;

// A held key repeats in the browser, and the repeats are left out, so one
// held press is one press.
EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
    if (!event->repeat && std::strcmp(event->code, "Pause") == 0) {
        pausePresses += 1;
    }
    return EM_FALSE;
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    focusLost = true;
    keysElsewhere = true;
    return EM_FALSE;
}

// The keyboard back before the game looked (a paused game, which looks only
// at the Pause key): the loss is past, and must not pause the game the player
// resumes on coming back.
EM_BOOL onFocus(int, const EmscriptenFocusEvent*, void*) {
    focusLost = false;
    return EM_FALSE;
}

} // namespace

void watchPauseKey() {
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKeyDown);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onBlur);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onFocus);
}

bool pauseKeyPressed() {
    if (pausePresses == 0) {
        return false;
    }
    pausePresses -= 1;
    return true;
}

bool keyboardFocusLost() {
    const bool lost = focusLost;
    focusLost = false;
    return lost;
}

bool keysLetGoElsewhere() {
    const bool elsewhere = keysElsewhere;
    keysElsewhere = false;
    return elsewhere;
}
