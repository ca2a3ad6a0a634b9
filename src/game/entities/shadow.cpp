#include "game/entities/shadow.h"

#include "game/random.h"
#include "gfx/picture_paths.h"

#include <cmath>

Shadow::Shadow() {
    retexture(*this, pictures::shadow);

    // Four draws, always in this order: size, height, width, starting angle.
    const int size = nextRandom() % 20 + 30;
    scale = {float(size), float(size), float(size)};
    angularSpeed = 20.0 / size;

    radiusY = 40 - nextRandom() % 30;
    radiusX = 250 - nextRandom() % 80;
    phase = double(nextRandom()) / 32767 * 2 * 3.14159;

    // Standing at the origin, the first step also turns it to face along the
    // line towards its starting point.
    update(0);

    position.z = 0;
    colour[3] = 0.5f;
}

void Shadow::update(const float dt) {
    const Vec3 old = position;

    phase = phase + angularSpeed * dt;

    // Sine and cosine are rounded to single precision before they scale the
    // radii, and the ellipse's centre (12.5, -57.8) is added in double.
    const float cosine = float(std::cos(double(phase)));
    const float sine = float(std::sin(double(phase)));
    position.x = cosine * radiusX + 12.5;
    position.y = sine * radiusY - 57.8;

    // A shadow that has not really moved keeps its heading: the direction of
    // a tiny step is mostly rounding noise.
    const float dx = position.x - old.x;
    const float dy = position.y - old.y;
    const float dz = position.z - old.z;
    const float movedSquared = dx * dx + dy * dy + dz * dz;
    if (movedSquared > 0.0001) {
        // 180 / 3.14159: the game's own pi, not the exact one.
        const float degrees = angleBetween({dx, dy, dz}, {1, 0, 0}) * 57.295827908797776;
        rotation = degrees;
        // The picture lies along its path but faces the other way when
        // moving down, so the angle always stays within 0 to 180.
        if (dy < 0) {
            rotation = 180 - degrees;
        }
    }
}

float angleBetween(const Vec3& u, const Vec3& v) {
    const float dot = u.x * v.x + u.y * v.y + u.z * v.z;
    const float lengthU = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    const float lengthV = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);

    // Rounding can push the cosine of parallel vectors just past +-1, which
    // would make the arc cosine NaN (a shadow swimming exactly left).
    float cosine = dot / (lengthU * lengthV);
    if (cosine > 1) {
        cosine = 1;
    }
    if (cosine < -1) {
        cosine = -1;
    }
    return float(std::acos(double(cosine)));
}
