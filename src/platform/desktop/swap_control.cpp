#include "platform/swap_control.h"

#include <GL/glx.h>

#include <cstring>

bool swapControlAvailable = false;

void setDrawingModes() {
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT, GL_FILL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

static bool hasExtension(const char* extensions, const char* name) {
    if (!extensions) {
        return false;
    }
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

void detectSwapControl() {
    Display* display = glXGetCurrentDisplay();
    if (!display) {
        return;
    }
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    const auto lookUp = [](const char* name) {
        return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name));
    };

    // Tried in order of preference; the first the driver offers sets an
    // interval of one frame.
    if (hasExtension(extensions, "GLX_EXT_swap_control")) {
        using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
        if (auto setInterval = reinterpret_cast<SwapIntervalExt>(lookUp("glXSwapIntervalEXT"))) {
            setInterval(display, glXGetCurrentDrawable(), 1);
            swapControlAvailable = true;
            return;
        }
    }
    if (hasExtension(extensions, "GLX_MESA_swap_control")) {
        using SwapIntervalMesa = int (*)(unsigned int);
        if (auto setInterval = reinterpret_cast<SwapIntervalMesa>(lookUp("glXSwapIntervalMESA"))) {
            setInterval(1);
            swapControlAvailable = true;
            return;
        }
    }
    if (hasExtension(extensions, "GLX_SGI_swap_control")) {
        using SwapIntervalSgi = int (*)(int);
        if (auto setInterval = reinterpret_cast<SwapIntervalSgi>(lookUp("glXSwapIntervalSGI"))) {
            setInterval(1);
            swapControlAvailable = true;
        }
    }
}
