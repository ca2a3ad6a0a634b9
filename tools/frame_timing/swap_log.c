// Preloaded into a GLUT program (LD_PRELOAD), writes the wall-clock time in
// nanoseconds (CLOCK_REALTIME, so a script can compare it with the moment
// it launched the program) of every buffer swap, one a line, to the file named by
// SWAP_LOG. The first line is when the first frame reached the screen; the
// gaps between lines are the frame times.
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*SwapBuffers)(Display*, GLXDrawable);

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static SwapBuffers realSwap;
    static FILE* log;
    static int opened;

    if (!realSwap) {
        realSwap = (SwapBuffers)dlsym(RTLD_NEXT, "glXSwapBuffers");
    }
    realSwap(display, drawable);

    if (!opened) {
        opened = 1;
        const char* path = getenv("SWAP_LOG");
        log = path ? fopen(path, "w") : NULL;
    }
    if (log) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        fprintf(log, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        fflush(log);
    }
}
