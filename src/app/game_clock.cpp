#include "app/game_clock.h"

#include <GL/freeglut.h>

std::int64_t elapsedMs = 0;
float frameDelta = 0;
std::int64_t lastTickMs = 0;
std::int64_t heldMs = 0;

static bool clockHeld = false;
static std::int64_t heldSince = 0;
static std::int64_t widenedMs = 0;
static std::uint32_t lastGlutMs = 0;

std::int64_t glutElapsedMs() {
    // The step in unsigned arithmetic, read as signed: right across a wrap,
    // and a reading a little behind the last one (another clock's jitter)
    // steps back rather than forward by nearly 50 days.
    const auto reading = static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME));
    widenedMs += static_cast<std::int32_t>(reading - lastGlutMs);
    lastGlutMs = reading;
    return widenedMs;
}
static void (*onHeld)() = nullptr;
static void (*onReleased)() = nullptr;

void tickClock() {
    const std::int64_t now = glutElapsedMs() - heldMs;
    const std::int64_t difference = now - lastTickMs;
    elapsedMs = now;
    lastTickMs = now;
    frameDelta = static_cast<float>(difference / 1000.0);
    if (static_cast<double>(frameDelta) > 0.03) {
        frameDelta = 0.03f;
    }
}

float nowSeconds() {
    return static_cast<float>(static_cast<double>(elapsedMs) / 1000.0);
}

void holdGameClock() {
    if (clockHeld) {
        return;
    }
    clockHeld = true;
    heldSince = glutElapsedMs();
    if (onHeld) {
        onHeld();
    }
}

void releaseGameClock() {
    if (!clockHeld) {
        return;
    }
    clockHeld = false;
    heldMs += glutElapsedMs() - heldSince;
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
