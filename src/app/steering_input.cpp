#include "app/steering_input.h"

namespace {

enum class Device { pointer, keys, controller };

Device lastUsed = Device::pointer;
Velocity byKeys;
Velocity byController;

bool same(const Velocity a, const Velocity b) {
    return a.x == b.x && a.y == b.y;
}

bool still(const Velocity v) {
    return same(v, Velocity{});
}

} // namespace

void steerByKeys(const Velocity velocity) {
    byKeys = velocity;
    if (!still(velocity)) {
        lastUsed = Device::keys;
    }
}

void steerByController(const Velocity velocity) {
    if (same(velocity, byController)) {
        return;
    }
    byController = velocity;
    if (!still(velocity)) {
        lastUsed = Device::controller;
    }
}

void steerByPointer() {
    lastUsed = Device::pointer;
}

Velocity steeringVelocity() {
    switch (lastUsed) {
    case Device::keys:
        return byKeys;
    case Device::controller:
        return byController;
    case Device::pointer:
        break;
    }
    return {};
}

void stopKeySteering() {
    byKeys = {};
}

void stopControllerSteering() {
    byController = {};
}
