#include "platform/window_watch.h"

#include "app/frame.h"

#include <GL/freeglut.h>

void watchWindow() {
    glutIgnoreKeyRepeat(1);
    glutEntryFunc(onEntry);
    glutWindowStatusFunc(onWindowStatus);
}
