#include "platform/window_watch.h"

#include "app/frame.h"

#include <GL/freeglut.h>

void watchWindow() {
    glutEntryFunc(onEntry);
    glutWindowStatusFunc(onWindowStatus);
}
