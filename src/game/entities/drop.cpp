#include "game/entities/drop.h"

#include "game/random.h"
#include "gfx/picture_paths.h"

#include <algorithm>

Drop::Drop(const Vec3& point) {
    position = point;
    retexture(*this, pictures::drop);
    scale = {1, 1, 1};
    landY = nextRandom() % 30 - 70;
    hangTime = 0.6;
}

void Drop::update(const float dt) {
    // Swells to full size 16 in 0.375 s.
    if (scale.x < 16) {
        const float size = std::clamp(scale.x + 40 * dt, 0.0f, 16.0f);
        scale = {size, size, size};
    }

    hangTime = hangTime - dt;

    // Creeps down while clinging, then drops. It is not stopped at landY:
    // the game removes it in the update that takes it there.
    if (landY < position.y) {
        const float speed = hangTime >= 0 ? 35 : 325;
        position.y = position.y - speed * dt;
    }
}
