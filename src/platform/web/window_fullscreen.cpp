#include "platform/window_fullscreen.h"

#include <emscripten.h>

// The page fills the screen with its whole stage (web/page.js), the canvas
// kept at 4:3 within it, so the camera never needs to know. A browser lets
// a page go fullscreen only while it handles the player's key, click or
// touch, which is where GLUT calls the game's key callbacks from. The kept
// setting applied at start-up comes with none, so it waits for the player's
// first press (Esc aside, which ends the game). A press the game answers
// itself (F11 as the first) ends the wait: the request it makes is the one
// for that press, and the page, not yet full screen while the browser grants
// it, must not ask a second time.
// clang-format off
EM_JS(void, showPageFullscreen, (int on), {
    const shown = () => !!(document.fullscreenElement || document.webkitFullscreenElement);
    if (Module['brumaloFullscreenWait']) {
        Module['brumaloFullscreenWait'].stop();
    }
    if (shown() === !!on || !Module['toggleFullscreen']) {
        return;
    }
    if (!navigator.userActivation || navigator.userActivation.isActive) {
        Module['toggleFullscreen']();
        return;
    }
    const presses = ['mousedown', 'keydown', 'touchend'];
    const atPress = event => {
        if (event.key === 'Escape') {
            return;
        }
        stop();
        if (shown() !== !!on) {
            Module['toggleFullscreen']();
        }
    };
    const stop = () => {
        for (const type of presses) {
            window.removeEventListener(type, atPress, true);
        }
        Module['brumaloFullscreenWait'] = null;
    };
    for (const type of presses) {
        window.addEventListener(type, atPress, true);
    }
    Module['brumaloFullscreenWait'] = {stop};
});
// clang-format on

void showFullscreen(const bool on) {
    showPageFullscreen(on);
}

bool fullscreenShown() {
    return EM_ASM_INT(
        { return !!(document.fullscreenElement || document.webkitFullscreenElement); });
}
