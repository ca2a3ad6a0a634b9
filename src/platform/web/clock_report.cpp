#include "app/game_clock.h"
#include "app/state.h"
#include "game/live_mode.h"

#include <emscripten.h>

// What the page may ask of the game's clock, for whoever drives the page from
// outside, as the browser test does: a browser on a busy machine draws few
// frames, and a driver that waits on the game's own clock rather than on the
// page's time gives the game the frames it needs. Nothing in the game calls
// these.

// Seconds on the frame clock, as every state reads it: it moves only as the
// game ticks a frame, and stands still while the game is paused.
extern "C" EMSCRIPTEN_KEEPALIVE double brumaloClockSeconds() {
    return static_cast<double>(nowSeconds());
}

// 1 while the live game is the current screen, 0 on the title and result.
extern "C" EMSCRIPTEN_KEEPALIVE int brumaloLiveGameCurrent() {
    return currentState == &liveMode ? 1 : 0;
}

// Where the glass points, in the canvas's units from its top left, as a
// pointer there would put it (its centre is 20 units above the point). The
// keys and a controller move it by the frames' steps, which a driver cannot
// count from outside.
extern "C" EMSCRIPTEN_KEEPALIVE double brumaloGlassX() {
    return static_cast<double>(liveMode.magnifier.position.x) + 400;
}

extern "C" EMSCRIPTEN_KEEPALIVE double brumaloGlassY() {
    return 320 - static_cast<double>(liveMode.magnifier.position.y);
}
