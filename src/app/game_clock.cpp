#include "app/game_clock.h"

#include <GL/freeglut.h>

std::int32_t elapsedMs = 0;
float frameDelta = 0;
std::int32_t lastTickMs = 0;
std::int32_t heldMs = 0;

static bool clockHeld = false;
static std::int32_t heldSince = 0;
static void (*onHeld)() = nullptr;
static void (*onReleased)() = nullptr;

void tickClock() {
    const std::int32_t now = glutGet(GLUT_ELAPSED_TIME) - heldMs;
    const std::int32_t difference = now - lastTickMs;
    elapsedMs = now;
    lastTickMs = now;
    frameDelta = static_cast<float>(difference / 1000.0);
    if (static_cast<double>(frameDelta) > 0.03) {
        frameDelta = 0.03f;
    }
}

float nowSeconds() {
    return static_cast<float>(elapsedMs / 1000.0);
}

void holdGameClock() {
    if (clockHeld) {
        return;
    }
    clockHeld = true;
    heldSince = glutGet(GLUT_ELAPSED_TIME);
    if (onHeld) {
        onHeld();
    }
}

void releaseGameClock() {
    if (!clockHeld) {
        return;
    }
    clockHeld = false;
    heldMs += glutGet(GLUT_ELAPSED_TIME) - heldSince;
    if (onReleased) {
        onReleased();
    }
}

bool gameClockHeld() {
    return clockHeld;
}

void whenGameClockHeld(void (*held)(), void (*released)()) {
    onHeld = held;
    onReleased = released;
}
