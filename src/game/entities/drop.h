#pragma once

#include "game/vec3.h"
#include "gfx/sprite.h"

// A drop of melt water under a branch: it swells and clings for a moment,
// then falls to the ice, where the game turns it into a ripple ring.
struct Drop : Sprite {
    float landY = 0;    // height of the ice below it, -70 to -41
    float hangTime = 0; // seconds left to cling; goes below 0 once falling

    explicit Drop(const Vec3& point);

    void update(float dt);
};
