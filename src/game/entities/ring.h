#pragma once

#include "game/vec3.h"
#include "gfx/sprite.h"

// A ripple where a drop or an icicle met the ice: four circles that start one
// after another, each spreading and fading out.
struct Ring {
    float age = 0; // seconds since it was made, never past 3
    Sprite ripples[4];

    explicit Ring(const Vec3& point);

    void update(float dt);
    void draw() const;
};
