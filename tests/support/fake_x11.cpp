// Stand-ins for the Xlib calls that name the game's window and listen for its
// Pause key. They record nothing: what the window tells the desktop is
// checked on a real display (tests/e2e/title_screen_test.sh), where a window
// manager and xprop read it back.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern "C" {

int XSetClassHint(Display*, Window, XClassHint*) {
    return 1;
}
Atom XInternAtom(Display*, const char*, Bool) {
    return 1;
}
int XChangeProperty(Display*, Window, Atom, Atom, int, int, const unsigned char*, int) {
    return 1;
}
int XFlush(Display*) {
    return 1;
}
int XSync(Display*, Bool) {
    return 1;
}
char* XDisplayString(Display*) {
    static char name[] = ":0";
    return name;
}

// No second connection: the game goes on without its Pause key, as it does
// on a display that turns it away.
Display* XOpenDisplay(const char*) {
    return nullptr;
}
Bool XkbSetDetectableAutoRepeat(Display*, Bool, Bool* supported) {
    if (supported) {
        *supported = False;
    }
    return False;
}
int XSelectInput(Display*, Window, long) {
    return 1;
}
int XPending(Display*) {
    return 0;
}
int XNextEvent(Display*, XEvent*) {
    return 0;
}
KeySym XLookupKeysym(XKeyEvent*, int) {
    return NoSymbol;
}

int XGetWindowProperty(Display*, Window, Atom, long, long, Bool, Atom, Atom* type, int* format,
                       unsigned long* count, unsigned long* left, unsigned char** data) {
    *type = None;
    *format = 0;
    *count = 0;
    *left = 0;
    *data = nullptr;
    return BadAtom;
}
int XFree(void*) {
    return 1;
}

} // extern "C"
