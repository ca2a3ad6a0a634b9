#include "game/entities/ring.h"

#include "gfx/picture_paths.h"

#include <algorithm>

Ring::Ring(const Vec3& point) {
    for (Sprite& ripple : ripples) {
        ripple.scale = {1, 1, 1};
        retexture(ripple, pictures::ring);
        ripple.position = point;
    }
    age = 0;
}

void Ring::update(const float dt) {
    age = std::clamp(age + dt, 0.0f, 3.0f);

    // A new circle every 0.33 s; each grows 50 units and fades out over 1.5 s.
    for (int i = 0; i < 4; ++i) {
        Sprite& ripple = ripples[i];
        const double start = 0.33 * i;
        if (age < start) {
            ripple.hidden = 1;
            continue;
        }

        ripple.hidden = 0;
        float alpha = 1 - (age - start) / 1.5;
        if (alpha < 0) {
            alpha = 0;
        }
        const float size = (age - start) / 1.5 * 50;
        ripple.colour[3] = alpha;
        ripple.scale = {size, size, size};
    }
}

void Ring::draw() const {
    for (const Sprite& ripple : ripples) {
        ripple.draw();
    }
}
