// The frozen lake, painted back to front: with the depth test off, the order
// below alone decides what covers what.
#include "app/camera.h"
#include "game/canvas_box.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/live_mode.h"
#include "game/pause_panel.h"
#include "platform/canvas_copy.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

// Where the land picture is wholly opaque (below) in every column, in canvas
// units: the sun, drawn between the sky and the land, shows only above it.
constexpr float landOpaqueBelow = 60;

// A software renderer spends most of a frame filling pixels, so the layers
// behind the glass are drawn only where they change a pixel. The land's
// skyline, in strips 50 canvas units wide from the left edge: in each, the
// land picture is wholly opaque below the first height and wholly clear
// above the second, with three texels to spare for the texture filtering
// either way and from the strips beside (the picture repeats, so the first
// and the last strips are each other's). The sky is drawn only above the
// first, the land unblended below it and blended only up to the second.
struct SkylineStrip {
    float opaqueBelow;
    float clearAbove;
};
constexpr float stripWidth = 50;
constexpr SkylineStrip skyline[] = {
    {110, 124}, {110, 123}, {99, 118}, {90, 106}, {88, 97},  {80, 95},   {70, 87},   {64, 77},
    {64, 75},   {68, 86},   {79, 97},  {90, 100}, {93, 108}, {100, 118}, {111, 122}, {110, 124},
};

// What of the tree picture is not clear, as boxes around the tree's centre
// that do not overlap, in canvas units (the tree is drawn 550 units square),
// with the same room to spare and two units more across and beyond the
// picture's edges, which a small window may round to the pixel beyond: its
// crown spreads wide, its trunk is narrow.
constexpr CanvasBox treeOutline[] = {
    {-197, 85, 196, 280},  {-197, 70, 196, 85},   {-187, 55, 186, 70},   {-209, 40, 207, 55},
    {-230, 25, 248, 40},   {-272, 10, 248, 25},   {-277, -65, 277, 10},  {-25, -80, 26, -65},
    {-26, -95, 71, -80},   {-27, -110, 81, -95},  {-69, -125, 49, -110}, {-76, -140, 30, -125},
    {-70, -160, 31, -140}, {-40, -240, 40, -160}, {-76, -260, 76, -240}, {-87, -280, 87, -260},
};

float stripLeft(const std::size_t strip) {
    return strip == 0 ? -pastCanvasEdge : -400 + stripWidth * static_cast<float>(strip);
}

float stripRight(const std::size_t strip) {
    return strip + 1 == std::size(skyline) ? pastCanvasEdge : stripLeft(strip + 1);
}

// Draws the sprite in the part of the box that falls within the other.
void drawIn(const Sprite& sprite, const CanvasBox& box, const CanvasBox& within) {
    const CanvasBox part = overlap(box, within);
    if (!isEmpty(part)) {
        drawOnlyInCanvasBox(part);
        sprite.draw();
    }
}

// The layers behind everything that moves, back to front, drawn only within
// the box.
void drawStillLayers(LiveMode& scene, const CanvasBox& within) {
    for (std::size_t strip = 0; strip < std::size(skyline); ++strip) {
        drawIn(scene.sky,
               {stripLeft(strip), skyline[strip].opaqueBelow, stripRight(strip), pastCanvasEdge},
               within);
    }
    // The sun goes between the sky and the land, so it sets behind the hills.
    drawIn(scene.sun, {-pastCanvasEdge, landOpaqueBelow, pastCanvasEdge, pastCanvasEdge}, within);
    scene.background.blend = 0;
    for (std::size_t strip = 0; strip < std::size(skyline); ++strip) {
        drawIn(scene.background,
               {stripLeft(strip), -pastCanvasEdge, stripRight(strip), skyline[strip].opaqueBelow},
               within);
    }
    scene.background.blend = 1;
    for (std::size_t strip = 0; strip < std::size(skyline); ++strip) {
        drawIn(scene.background,
               {stripLeft(strip), skyline[strip].opaqueBelow, stripRight(strip),
                skyline[strip].clearAbove},
               within);
    }
    for (const Sprite* tree : {&scene.leftTree, &scene.rightTree}) {
        for (const CanvasBox& box : treeOutline) {
            drawIn(*tree,
                   {tree->position.x + box.left, tree->position.y + box.bottom,
                    tree->position.x + box.right, tree->position.y + box.top},
                   within);
        }
    }
    drawAnywhere();
}

// The sun's quad, with two canvas units to spare for its edge's smoothing.
CanvasBox sunBox(const Sprite& sun) {
    const float halfWidth = sun.scale.x / 2 + 2;
    const float halfHeight = sun.scale.y / 2 + 2;
    return {sun.position.x - halfWidth, sun.position.y - halfHeight, sun.position.x + halfWidth,
            sun.position.y + halfHeight};
}

// The sun sinks and grows by a window pixel or so a second: redrawn every
// frame, the box around it would cost a tenth of a window and more at dusk
// for a fiftieth of a pixel's change. Kept in a copy, it is redrawn once an
// edge has moved this far from where the copy shows it, a step no eye
// follows on a soft disc.
constexpr float sunStepPixels = 0.25f;

// How far, in window pixels, the edge of one box that moved most lies from
// the other's.
float pixelsMoved(const CanvasBox& from, const CanvasBox& to, const CanvasPixels& area) {
    const float units = std::max({std::abs(to.left - from.left), std::abs(to.bottom - from.bottom),
                                  std::abs(to.right - from.right), std::abs(to.top - from.top)});
    return units * static_cast<float>(area.width) / 800;
}

} // namespace

void LiveMode::draw() {
    // Where the platform keeps a copy of them, the still layers come back
    // from it, drawn afresh only where the sun was as the copy shows it and
    // is now, once it has moved enough to show; the copy then takes what was
    // drawn afresh.
    const CanvasPixels area = canvasAreaPixels();
    const CanvasBox sunNow = sunBox(sun);
    // The dusk tint covers the whole window; until it starts to show it
    // would change no pixel, and it is skipped rather than costing a full
    // window of blending every frame.
    const bool dusk = duskOverlay.colour[3] > 0;
    const bool copied = drawCanvasCopy(area, dusk ? duskOverlay.colour : nullptr);
    if (copied) {
        renderCache = {otherTextureBound, 0};
    }
    const bool sunShown = copied && pixelsMoved(sunShownAt, sunNow, area) < sunStepPixels;
    const CanvasBox fresh = !copied    ? wholeCanvas
                            : sunShown ? CanvasBox{0, 0, 0, 0}
                                       : spanning(sunShownAt, sunNow);
    if (!sunShown) {
        drawStillLayers(*this, fresh);
        if (takeCanvasCopy(area, windowPixelsOf(fresh)) && renderCache.boundTexture != -1) {
            renderCache.boundTexture = otherTextureBound;
        }
        sunShownAt = sunNow;
    }

    // Where the still layers came back from the copy, the tint is folded into
    // the drawing rather than laid over the window as one layer more: the
    // copy came back tinted, the part drawn afresh (untinted, as the copy
    // keeps it) has the tint laid over it alone, and what moves is tinted as
    // it is drawn.
    const bool tintFolded = dusk && copied;
    if (tintFolded) {
        drawIn(duskOverlay, fresh, wholeCanvas);
        drawAnywhere();
        tintWhatFollows(duskOverlay.colour);
    }

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

    if (tintFolded) {
        tintNothingMore();
    } else if (dusk) {
        duskOverlay.draw();
    }

    if (paused) {
        drawPausePanel(pauseMenuView());
    }
}
