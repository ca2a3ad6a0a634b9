#include "app/frame.h"
#include "app/language.h"
#include "platform/data_folder.h"
#include "platform/heap.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

// GLUT's own complaint about a missing display is terse and names GLUT, not
// the game; say plainly what is wrong before GLUT gets to try.
static bool displayReachable(const int argc, char** argv) {
    const char* name = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0) {
            name = argv[i + 1];
        }
    }
    Display* display = XOpenDisplay(name);
    if (!display) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

int main(int argc, char** argv) {
    // The game's pictures and sounds are opened relative to the data folder,
    // so it is found and entered before anything else, display included;
    // then the player's language picks its folder within.
    if (!enterDataFolder(argc > 0 ? argv[0] : nullptr)) {
        return 1;
    }
    enterLanguageFolder();
    if (!displayReachable(argc, argv)) {
        const char* name = XDisplayName(nullptr);
        std::fprintf(stderr, "Brumalo needs a graphical display, and none could be opened%s%s%s.\n",
                     name && *name ? " (DISPLAY=" : "", name ? name : "", name && *name ? ")" : "");
        return 1;
    }
    prepareHeapForPictures();
    return runGame(argc, argv);
}
