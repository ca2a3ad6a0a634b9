#pragma once

#include "game/vec3.h"
#include "gfx/texture_cache.h"

// The beam of sunlight the magnifying glass focuses: one translucent textured
// triangle from the glass to the focused point. It is not a sprite; it draws
// itself and puts back the texture and blending it changed, so the sprites'
// render cache stays true.
struct Ray {
    Vec3 lensBottom;            // on the glass
    Vec3 lensTop;               // on the glass, above lensBottom
    Vec3 focus;                 // where the light meets
    Texture* texture = nullptr; // shared with the texture cache, never freed here

    Ray();

    // Expects the modelview matrix current and, in the scene, texturing on.
    void draw() const;
};
