#include "platform/pause_key.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

// A second connection to the display, listening to the keyboard on the game's
// window beside GLUT, which leaves the Pause key out of what it reports.
// Several clients may each take the key presses of one window. It is never
// closed: the process ending closes it, and closing it from an exit handler
// could run after the display is gone.
static Display* keyWatch = nullptr;
static bool pauseHeld = false;
static int pausePresses = 0;
static bool focusLost = false;
static bool keysElsewhere = false;

void watchPauseKey() {
    Display* gameDisplay = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!gameDisplay || window == None) {
        return;
    }

    // The window exists for this connection only once the server has seen
    // GLUT create it: a request about a window it does not know would end the
    // game.
    XSync(gameDisplay, False);

    // Without a connection the game simply has no Pause key; P still pauses.
    Display* display = XOpenDisplay(XDisplayString(gameDisplay));
    if (!display) {
        return;
    }

    // A held key then repeats as presses alone, not as a release and press
    // each time, so one held press is told from many. A key released after
    // the window lost the keyboard is released elsewhere, so losing it counts
    // as the release.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    XSelectInput(display, window, KeyPressMask | KeyReleaseMask | FocusChangeMask);
    XFlush(display);
    keyWatch = display;
}

// Everything that arrived since the last look; XPending never waits.
static void readKeyWatch() {
    while (keyWatch && XPending(keyWatch) > 0) {
        XEvent event;
        XNextEvent(keyWatch, &event);
        // Focus that only moves within the window, or to a grab that ends
        // by giving it back, is not the player leaving.
        // The keyboard back before the game looked: nothing to pause for,
        // and a loss seen while paused must not pause the game it resumes.
        if (event.type == FocusIn && event.xfocus.mode != NotifyGrab &&
            event.xfocus.mode != NotifyUngrab) {
            focusLost = false;
        }
        if (event.type == FocusOut) {
            pauseHeld = false;
            const bool left = event.xfocus.detail != NotifyInferior &&
                              event.xfocus.mode != NotifyGrab && event.xfocus.mode != NotifyUngrab;
            focusLost = focusLost || left;
            keysElsewhere = keysElsewhere || left;
        }
        if (event.type != KeyPress && event.type != KeyRelease) {
            continue;
        }
        if (XLookupKeysym(&event.xkey, 0) != XK_Pause) {
            continue;
        }
        if (event.type == KeyRelease) {
            pauseHeld = false;
        } else if (!pauseHeld) {
            pauseHeld = true;
            ++pausePresses;
        }
    }
}

bool pauseKeyPressed() {
    readKeyWatch();

    // Two presses within one frame still pause and resume again.
    if (pausePresses == 0) {
        return false;
    }
    --pausePresses;
    return true;
}

bool keyboardFocusLost() {
    readKeyWatch();
    const bool lost = focusLost;
    focusLost = false;
    return lost;
}

bool keysLetGoElsewhere() {
    readKeyWatch();
    const bool elsewhere = keysElsewhere;
    keysElsewhere = false;
    return elsewhere;
}
