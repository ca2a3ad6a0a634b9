#pragma once

#include "game/vec3.h"
#include "gfx/sprite.h"

// The dark shape of a fish under the ice. It circles on its own ellipse around
// one centre on the lake, its picture turned along its path; a falling icicle
// that lands on it catches the fish.
struct Shadow : Sprite {
    float angularSpeed = 0; // radians of phase per second: big fish swim slower
    float phase = 0;        // angle on the ellipse, grows without bound
    float radiusX = 0;      // 171 to 250
    float radiusY = 0;      // 11 to 40

    // Picks size, path and starting point from four random draws.
    Shadow();

    // Moves the shadow dt seconds along its ellipse and turns it to its path.
    void update(float dt);
};

// The angle between two vectors in radians, 0 to pi.
float angleBetween(const Vec3& u, const Vec3& v);
