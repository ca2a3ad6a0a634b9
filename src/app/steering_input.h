#pragma once

#include "game/steering.h"

// Which device steers the glass: the one the player used last. Moving the
// pointer takes over at once; a key or the stick takes over when pressed.

// The velocity the held direction keys ask for, zero when none is held.
void steerByKeys(Velocity velocity);

// The controller's velocity, read every frame: it takes over only when it
// changes, so a stick held still does not fight the pointer moved since.
void steerByController(Velocity velocity);

void steerByPointer();

// The last used device's velocity; the pointer's is none.
Velocity steeringVelocity();

// Every device let go (the keyboard lost, a controller unplugged).
void stopKeySteering();
void stopControllerSteering();
