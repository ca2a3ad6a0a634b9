#pragma once

#include "game/vec3.h"
#include "gfx/sprite.h"

#include <cstdint>

// An icicle under a branch. It grows while drops are made over it, weakens
// under the focused light until it breaks loose, falls, lands on the ice and
// shrinks away. Its picture shows more of the crack as it weakens.
struct Icicle : Sprite {
    // Event states for the game to act on once each.
    static constexpr std::int32_t notYet = 2;
    static constexpr std::int32_t justHappened = 1;
    static constexpr std::int32_t handled = 0;

    float anchorY = 0;      // height of its top edge while it hangs
    float strength = 0;     // 100 when made; at 0 or less it breaks loose
    float targetLength = 0; // what the hanging icicle grows toward, 0 to 70
    float landY = 0;        // height of the ice below it, -70 to -41
    std::int32_t landed = notYet;
    std::int32_t broken = notYet;

    explicit Icicle(const Vec3& point);

    // Another drop made over it: the icicle will grow 10 longer, up to 70.
    void grow();

    void update(float dt);

    // Whether p lies strictly inside the icicle enlarged by 1.25, in x and y.
    bool contains(const Vec3& p) const;
};
