// Preloaded into a GLUT program (LD_PRELOAD), writes the wall-clock time in
// nanoseconds (CLOCK_REALTIME, so a script can compare it with the moment it
// launched the program) of every buffer swap, one a line, to the file named
// by SWAP_LOG. The first line is when the first frame reached the screen (the
// probe waits until the X server has it); the gaps between lines are the
// frame times. With SWAP_EXIT_AFTER_FIRST set the program ends right after
// its first frame, so a start-up measurement needs no one to close it.
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef void (*SwapBuffers)(Display*, GLXDrawable);

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static SwapBuffers realSwap;
    static FILE* log;
    static int swaps;

    if (!realSwap) {
        realSwap = (SwapBuffers)dlsym(RTLD_NEXT, "glXSwapBuffers");
    }
    realSwap(display, drawable);

    if (swaps++ == 0) {
        // The swap only queues the frame; wait until the server has it.
        XSync(display, False);
        const char* path = getenv("SWAP_LOG");
        log = path ? fopen(path, "w") : NULL;
    }
    if (log) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        fprintf(log, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        fflush(log);
    }
    if (swaps == 1 && getenv("SWAP_EXIT_AFTER_FIRST")) {
        _exit(0);
    }
}
