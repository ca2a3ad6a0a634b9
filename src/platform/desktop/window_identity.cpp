#include "platform/window_identity.h"

#include "app/window_icon.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <cstring>
#include <vector>

// The class a task bar matches against the menu entry's StartupWMClass, and
// window managers against their per-application rules.
static void setClass(Display* display, const Window window) {
    char name[] = "brumalo";
    char className[] = "Brumalo";
    XClassHint hint{name, className};
    XSetClassHint(display, window, &hint);
}

// A process id means something only on the machine that runs the process,
// so the window names the machine first; without one it names neither.
// Window managers use the pair to offer to end a game that stops answering.
static void setOwner(Display* display, const Window window) {
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') {
        return;
    }
    XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(host),
                    static_cast<int>(std::strlen(host)));

    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

static void setIcon(Display* display, const Window window) {
    const std::vector<unsigned long> cardinals = windowIconCardinals();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(cardinals.data()),
                    static_cast<int>(cardinals.size()));
}

void identifyWindow() {
    // GLUT keeps its display connection to itself; the GL context knows it,
    // and GLUT draws straight into its X window.
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || window == None) {
        return;
    }

    setClass(display, window);
    setOwner(display, window);
    setIcon(display, window);

    // GLUT sends its requests only when it next waits for events; a desktop
    // may as well know the game as soon as its window shows.
    XFlush(display);
}
