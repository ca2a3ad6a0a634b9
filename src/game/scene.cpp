// The frozen lake, painted back to front: with the depth test off, the order
// below alone decides what covers what.
#include "app/camera.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/live_mode.h"
#include "game/pause_panel.h"

// Where the land picture is wholly opaque (below) and wholly clear (above),
// in canvas units, with room for the texture filtering either side; the art
// checks hold the picture to these lines. A software renderer spends most of
// a frame on full-window layers, so the sky is drawn only above the opaque
// land, the land unblended below its skyline and blended only across it.
constexpr float landOpaqueBelow = 60;
constexpr float landClearAbove = 130;

void LiveMode::draw() {
    // The sun goes between the sky and the land, so it sets behind the hills.
    drawOnlyBetweenCanvasRows(landOpaqueBelow, 300);
    sky.draw();
    sun.draw();
    drawOnlyBetweenCanvasRows(-300, landOpaqueBelow);
    background.blend = 0;
    background.draw();
    background.blend = 1;
    drawOnlyBetweenCanvasRows(landOpaqueBelow, landClearAbove);
    background.draw();
    drawAnywhere();
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

    if (paused) {
        drawPausePanel();
    }
}
