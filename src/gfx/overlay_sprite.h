#pragma once

#include "gfx/sprite.h"

// A sprite for a picture drawn over a finished scene or screen (the result
// figures, the pause panel), made afresh for each draw: nothing keeps these
// between frames. It takes the picture from the texture cache without
// counting a use, which every frame would otherwise add to without end.
// Centred on (x, y), width by height canvas units, blended; hidden when the
// picture is missing.
Sprite overlaySprite(const char* path, float x, float y, float width, float height);
