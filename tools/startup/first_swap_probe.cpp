// Preloaded into a GLUT program, notes the wall-clock time at which its
// first frame has been swapped to the screen: the moment a player first sees
// something. FIRST_SWAP_FILE names the file that gets the time, in seconds
// since the epoch; with FIRST_SWAP_EXIT set the program then ends at once,
// so a measurement needs no one to close the window.
#include <GL/glx.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void noteTime(const char* fileName) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::FILE* file = std::fopen(fileName, "w");
    if (!file) {
        return;
    }
    std::fprintf(file, "%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fclose(file);
}

} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    using SwapBuffers = void (*)(Display*, GLXDrawable);
    static const auto realSwapBuffers =
        reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    static bool firstSwapDone = false;

    realSwapBuffers(display, drawable);
    if (firstSwapDone) {
        return;
    }
    firstSwapDone = true;

    // The swap only queues the frame; wait until the server has it.
    XSync(display, False);
    if (const char* fileName = std::getenv("FIRST_SWAP_FILE")) {
        noteTime(fileName);
    }
    if (std::getenv("FIRST_SWAP_EXIT")) {
        _exit(0);
    }
}
