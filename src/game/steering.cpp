#include "game/steering.h"

#include <algorithm>
#include <cmath>

namespace {

// The canvas's edges as the glass's centre has them (see steerGlass).
constexpr float canvasHalfWidth = 400;
constexpr float canvasHalfHeight = 300;
constexpr float glassAbovePoint = 20;

} // namespace

Velocity keyVelocity(const HeldDirections& held) {
    const float x = static_cast<float>(held.right) - static_cast<float>(held.left);
    const float y = static_cast<float>(held.up) - static_cast<float>(held.down);
    const float length = std::hypot(x, y);
    if (length == 0) {
        return {};
    }
    const float speed = held.fine ? fineKeySpeed : keySpeed;
    return {x / length * speed, y / length * speed};
}

Velocity stickVelocity(const float stickX, const float stickY) {
    const float push = std::hypot(stickX, stickY);
    if (!(push > stickDeadZone)) {
        return {};
    }
    // A stick's corners read beyond 1 on some pads.
    const float beyondDeadZone = (std::min(push, 1.0f) - stickDeadZone) / (1 - stickDeadZone);
    const float speed = stickSpeed * beyondDeadZone * beyondDeadZone;
    return {stickX / push * speed, -stickY / push * speed};
}

Vec3 steerGlass(Vec3 glass, const Velocity velocity, const float seconds) {
    glass.x = std::clamp(glass.x + velocity.x * seconds, -canvasHalfWidth, canvasHalfWidth);
    glass.y = std::clamp(glass.y + velocity.y * seconds, -canvasHalfHeight + glassAbovePoint,
                         canvasHalfHeight + glassAbovePoint);
    return glass;
}
