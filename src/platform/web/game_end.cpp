#include "platform/game_end.h"

#include <emscripten.h>
#include <emscripten/html5.h>

// A page cannot close itself, and the browser's runtime keeps running, so an
// ended game must be stopped from starting again by itself: nothing of it may
// hear the page's events or wake on a timer any more. Otherwise the pointer
// leaving the canvas for the page's "Play again" would pause it, and the
// Pause key then resume it behind the page, music and all. So the page's
// events the game listens to (window_watch.cpp, pause_key.cpp) are let go,
// the wait for a press to go full screen (window_fullscreen.cpp) too, and
// GLUT calls nothing of the game any more (Module.haltGame, web/post.js).
// The page is then told (Module.onGameEnded, in web/page.js) and offers
// another game; a page without the hook just leaves the last picture
// standing. The record a finished game is still having kept is kept all the
// same (player_storage.cpp).
void endGame() {
    static bool ended = false;
    if (ended) {
        return;
    }
    ended = true;
    emscripten_html5_remove_all_event_listeners();
    EM_ASM({
        if (Module['brumaloFullscreenWait']) {
            Module['brumaloFullscreenWait'].stop();
        }
        Module['haltGame']();
        if (Module['onGameEnded']) {
            Module['onGameEnded']();
        }
    });
}
