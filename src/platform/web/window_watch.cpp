#include "platform/window_watch.h"

#include "app/frame.h"
#include "app/player_controls.h"

#include <GL/freeglut.h>
#include <emscripten/html5.h>

// The browser's GLUT tells neither; the page does. A hidden tab (another tab
// chosen, the browser minimised) is a hidden window, and the pointer leaving
// the canvas is the pointer leaving the window. The browser also leaves
// fullscreen by itself (its Esc, its own controls, the page's button), and
// the kept setting follows. A held key's repeats never reach the game's
// callbacks: this GLUT has no glutIgnoreKeyRepeat, and web/post.js leaves
// them out in the page.
namespace {

EM_BOOL onVisibilityChange(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    if (event->hidden) {
        onWindowStatus(GLUT_HIDDEN);
    }
    return EM_FALSE;
}

EM_BOOL onMouseLeave(int, const EmscriptenMouseEvent*, void*) {
    onEntry(GLUT_LEFT);
    return EM_FALSE;
}

EM_BOOL onFullscreenChange(int, const EmscriptenFullscreenChangeEvent* event, void*) {
    fullscreenShownAs(event->isFullscreen);
    return EM_FALSE;
}

} // namespace

void watchWindow() {
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, onVisibilityChange);
    emscripten_set_mouseleave_callback("#canvas", nullptr, EM_FALSE, onMouseLeave);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE,
                                             onFullscreenChange);
}
