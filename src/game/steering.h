#pragma once

#include "game/vec3.h"

// Steering the glass by a velocity, for the keys and a controller's stick;
// the pointer puts it in place directly instead (input.cpp).

// Canvas units a second, y up.
struct Velocity {
    float x = 0;
    float y = 0;
};

inline constexpr float keySpeed = 300;
inline constexpr float fineKeySpeed = 100; // with Shift held, for fine aim
inline constexpr float stickSpeed = 450;   // the stick pushed all the way

// The direction keys held; two opposite ones cancel. A diagonal goes no
// faster than a straight line.
struct HeldDirections {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    bool fine = false;
};
Velocity keyVelocity(const HeldDirections& held);

// A stick's reading, -1 to 1 each way with y down, as a velocity. A stick
// at rest seldom reads exactly zero, and an old one rests well off centre:
// within the dead zone it means nothing. Beyond it the speed grows with the
// square of the push, so that a small push aims finely and a full one
// crosses the lake in under two seconds.
inline constexpr float stickDeadZone = 0.25f;
Velocity stickVelocity(float stickX, float stickY);

// The glass moved on by a velocity for some seconds, kept where the
// pointer could have put it: over the 800 by 600 canvas, its centre 20
// units above the point.
Vec3 steerGlass(Vec3 glass, Velocity velocity, float seconds);
