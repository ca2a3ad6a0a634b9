#include "platform/window_fullscreen.h"

#include "app/camera.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>

#include <algorithm>

namespace {

// Where the window was before the game filled the screen with it by hand.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 800;
    int height = 600;
};
WindowPlace windowedPlace;

// A window manager that follows the desktop conventions owns this selection;
// GLUT asks such a manager for fullscreen. With none the game does it itself.
bool windowManagerRuns() {
    Display* display = glXGetCurrentDisplay();
    return display && XGetSelectionOwner(display, XInternAtom(display, "WM_S0", False)) != None;
}

} // namespace

void showFullscreen(const bool on) {
    // The camera would otherwise ask a fullscreen window back to 4:3; the
    // letterbox keeps the scene whole at the screen's own shape.
    camera.fullscreen = on;
    if (windowManagerRuns()) {
        // The manager restores the window's own size when it leaves.
        if ((glutGet(GLUT_FULL_SCREEN) != 0) != on) {
            glutFullScreenToggle();
        }
        return;
    }
    if (on) {
        // GLUT gives -1 for a place it has not been told yet.
        windowedPlace = {std::max(0, glutGet(GLUT_WINDOW_X)), std::max(0, glutGet(GLUT_WINDOW_Y)),
                         glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
        glutPositionWindow(0, 0);
        glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    } else {
        glutPositionWindow(windowedPlace.x, windowedPlace.y);
        glutReshapeWindow(windowedPlace.width, windowedPlace.height);
    }
}

bool fullscreenShown() {
    // With no manager the game alone fills the screen, and knows when.
    Display* display = glXGetCurrentDisplay();
    if (!display || !windowManagerRuns()) {
        return camera.fullscreen;
    }

    // A manager says what it made of the window in its _NET_WM_STATE, which
    // its own keys and menus change as well as the game's requests.
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, glXGetCurrentDrawable(),
                           XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                           &type, &format, &count, &left, &data) != Success ||
        !data) {
        return false;
    }
    const Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    const Atom* states = reinterpret_cast<const Atom*>(data);
    const bool shown =
        format == 32 && std::find(states, states + count, fullscreen) != states + count;
    XFree(data);
    // The camera asks a window back to 4:3 unless it knows it fills the screen.
    camera.fullscreen = shown;
    return shown;
}
