#include "app/window_fullscreen.h"

#include <emscripten.h>

// The page fills the screen with its whole stage (web/page.js), the canvas
// kept at 4:3 within it, so the camera never needs to know. A browser lets
// a page go fullscreen only while it handles the player's key or click,
// which is where GLUT calls the game's key callbacks from; the kept setting
// applied at start-up is refused for want of one, and the game stays in the
// page.
void showFullscreen(const bool on) {
    EM_ASM(
        {
            const isFullscreen = !!(document.fullscreenElement || document.webkitFullscreenElement);
            if (isFullscreen != !!$0 && Module['toggleFullscreen']) {
                Module['toggleFullscreen']();
            }
        },
        on);
}
