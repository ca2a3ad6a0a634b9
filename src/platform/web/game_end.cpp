#include "platform/game_end.h"

#include <emscripten.h>

// A page cannot close itself, and the browser's runtime keeps running: the
// page is told (Module.onGameEnded, in web/page.js), stops GLUT calling the
// game, silences it and offers another game. A page without the hook just
// leaves the last picture standing.
void endGame() {
    static bool ended = false;
    if (ended) {
        return;
    }
    ended = true;
    EM_ASM({
        if (Module['onGameEnded']) {
            Module['onGameEnded']();
        }
    });
}
