#include "platform/pause_key.h"

#include <emscripten.h>

// The browser's GLUT reports no Pause key either, so the page's own key
// events are heard beside it. A held key repeats in the browser, and the
// repeats are left out, so one held press is one press.
// clang-format off
EM_JS(void, listenForPauseKey, (), {
    Module['brumaloPausePresses'] = 0;
    window.addEventListener('keydown', function(event) {
        if (event.code === 'Pause' && !event.repeat) {
            Module['brumaloPausePresses'] += 1;
        }
    }, true);
    Module['brumaloFocusLost'] = false;
    window.addEventListener('blur', function() {
        Module['brumaloFocusLost'] = true;
    });
});

EM_JS(int, takeFocusLoss, (), {
    const lost = Module['brumaloFocusLost'];
    Module['brumaloFocusLost'] = false;
    return lost ? 1 : 0;
});

EM_JS(int, takePauseKeyPress, (), {
    if (!Module['brumaloPausePresses']) {
        return 0;
    }
    Module['brumaloPausePresses'] -= 1;
    return 1;
});
// clang-format on

void watchPauseKey() {
    listenForPauseKey();
}

bool pauseKeyPressed() {
    return takePauseKeyPress() != 0;
}

bool keyboardFocusLost() {
    return takeFocusLoss() != 0;
}
