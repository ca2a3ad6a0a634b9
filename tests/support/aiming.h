#pragma once

// Where the sunlight comes to a point, and where to hold the glass to bring
// it to a point a test wants. The lens centre lies 15 units above the
// glass's centre, and the light focuses 40 units beyond it on the line from
// the sun. In an 800 by 600 window a canvas unit is a pixel, and the glass's
// centre sits 20 units above the pointer.

#include "game/vec3.h"

#include <cmath>

struct Pixel {
    int x;
    int y;
};

// The sun's centre a number of game seconds in: it sinks from (0, 300) to
// the horizon over the game's 240 seconds.
inline Vec3 sunAt(const double seconds) {
    return {0, static_cast<float>(300 - 300 * seconds / 240), 0};
}

inline Vec3 glassFocusingOn(const Vec3& sun, const double x, const double y) {
    const double dx = x - sun.x;
    const double dy = y - sun.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    return {static_cast<float>(x - 40 * dx / distance),
            static_cast<float>(y - 40 * dy / distance - 15), 0};
}

inline Vec3 focusOf(const Vec3& sun, const Vec3& glass) {
    const double lensY = glass.y + 15.0;
    const double dx = glass.x - sun.x;
    const double dy = lensY - sun.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    return {static_cast<float>(glass.x + 40 * dx / distance),
            static_cast<float>(lensY + 40 * dy / distance), 0};
}

inline Pixel pointerOver(const Vec3& glass) {
    return {static_cast<int>(std::lround(glass.x + 400)),
            static_cast<int>(std::lround(320 - glass.y))};
}

inline Vec3 glassUnder(const Pixel& pointer) {
    return {static_cast<float>(pointer.x - 400), static_cast<float>(320 - pointer.y), 0};
}
