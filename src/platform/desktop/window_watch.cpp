#include "platform/window_watch.h"

#include "app/frame.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>

void watchWindow() {
    // X repeats a held key as a release and a press each time, which a game
    // running behind its events cannot tell from the player's own; asked,
    // it repeats presses alone, which the frame leaves out.
    if (Display* display = glXGetCurrentDisplay()) {
        XkbSetDetectableAutoRepeat(display, True, nullptr);
    }
    glutEntryFunc(onEntry);
    glutWindowStatusFunc(onWindowStatus);
}
