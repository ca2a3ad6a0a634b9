// The frozen lake, painted back to front: with the depth test off, the order
// below alone decides what covers what.
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/live_mode.h"

void LiveMode::draw() {
    // The sun goes between the sky and the land, so it sets behind the hills.
    sky.draw();
    sun.draw();
    background.draw();
    leftTree.draw();
    rightTree.draw();

    // Ripples lie under the icicles, and drops over the icicles they fall from.
    for (const Shadow* shadow : shadows) {
        shadow->draw();
    }
    for (const Ring* ring : rings) {
        ring->draw();
    }
    for (const Icicle* icicle : icicles) {
        icicle->draw();
    }
    for (const Drop* drop : drops) {
        drop->draw();
    }
    for (const Sprite* fish : caughtFish) {
        fish->draw();
    }

    // The glass is drawn just before the beam, which relies on it having
    // left texturing on.
    magnifier.draw();
    if (rayOn) {
        ray->draw();
    }
    snow->draw();

    // The dusk tint covers the whole window; until it starts to show it
    // would change no pixel, and it is skipped rather than costing a full
    // screen of blending every frame.
    if (duskOverlay.colour[3] > 0) {
        duskOverlay.draw();
    }
}
