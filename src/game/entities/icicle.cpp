#include "game/entities/icicle.h"

#include "game/random.h"
#include "gfx/picture_paths.h"

#include <algorithm>

Icicle::Icicle(const Vec3& point) {
    strength = 100;
    targetLength = 1;
    landed = notYet;
    broken = notYet;
    landY = nextRandom() % 30 - 70;

    // It hangs 10 below the point where the light met the branch.
    position.x = point.x;
    anchorY = point.y - 10;
    position.y = point.y - 10;
    position.z = 0;

    retexture(*this, pictures::icicle);
    texWindow = 1;

    grow();
    update(0);
}

void Icicle::grow() {
    targetLength = std::clamp(targetLength + 10, 0.0f, 70.0f);
}

void Icicle::update(const float dt) {
    if (strength > 0) {
        // Lengthens downward at 15 units a second; the top stays at anchorY.
        if (targetLength > scale.x) {
            const float length = std::clamp(scale.x + 15 * dt, 0.0f, targetLength);
            scale = {length, length, length};
            position.y = anchorY - length * 0.5;
        }

        // The weaker it is, the more of the picture's cracked top shows.
        texScale[0] = 1;
        texScale[1] = 1 - 0.0016 * strength;
        texOffset[0] = 0;
        texOffset[1] = 0.0016 * strength;
        return;
    }

    if (broken == notYet) {
        broken = justHappened;
    }

    if (landY < position.y) {
        position.y = position.y - 325 * dt;
        return;
    }

    // On the ice it melts away from the bottom of the picture; below 2 units
    // there is nothing left to shrink.
    if (scale.y > 2) {
        if (landed == notYet) {
            landed = justHappened;
        }
        const float length = scale.y - 200 * dt;
        scale = {length, length, length};
        texScale[0] = 1;
        texScale[1] = texScale[1] - 2.5 * dt;
    }
}

bool Icicle::contains(const Vec3& p) const {
    const float halfWidth = scale.x * 1.25 * 0.5;
    const float halfHeight = scale.y * 1.25 * 0.5;
    return position.x - halfWidth < p.x && p.x < position.x + halfWidth &&
           position.y - halfHeight < p.y && p.y < position.y + halfHeight;
}
