// One frame of the live game, in a fixed order of phases: skip, clock and
// loss, sun, dusk, snow, icicles (break, catch, win, splash), shadows, drops,
// rings, and the focused light.
#include "app/game_clock.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/entity_list.h"
#include "game/live_mode.h"
#include "game/random.h"
#include "gfx/picture_paths.h"
#include "platform/controllers.h"
#include "screens/end_state.h"

#include <cmath>

namespace {

constexpr const char* dripSounds[] = {"drip0", "drip1", "drip2", "drip3", "drip4"};

constexpr double minimumFrameDelta = 0.001;
constexpr double gameLength = 240;
// A catch felt in the hands, where the player holds a controller.
constexpr int fishCaughtRumbleMs = 150;
constexpr std::int64_t dropSpacingMs = 660;
constexpr float focalDistance = 40;
constexpr float branchReach = 10;
constexpr float meltingRate = 100;
constexpr float ringLifetime = 3;
constexpr float icicleRemovalHeight = 5;

struct Branch {
    Vec3 a;
    Vec3 b; // a.x < b.x on every branch
};

// The snow-laden branches the light can melt, in the order they are tested:
// two on the left tree, two on the right.
constexpr Branch branches[] = {
    {{-198, 212, 0}, {-23, 153, 0}},
    {{-213, 287, 0}, {-54, 192, 0}},
    {{45, 190, 0}, {206, 280, 0}},
    {{39, 154, 0}, {184, 211, 0}},
};

Vec3 minus(const Vec3& p, const Vec3& q) {
    return {p.x - q.x, p.y - q.y, p.z - q.z};
}

float length(const Vec3& v) {
    const float squares = v.x * v.x + v.y * v.y + v.z * v.z;
    return std::sqrt(squares);
}

Vec3 cross(const Vec3& u, const Vec3& v) {
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

// How far the focus is from a branch: its distance from the line through the
// branch's ends, or 1000 when it lies beyond the ends in x.
float distanceToBranch(const Vec3& focus, const Branch& branch) {
    if (focus.x < branch.a.x || focus.x > branch.b.x) {
        return 1000;
    }
    const Vec3 along = minus(branch.b, branch.a);
    return length(cross(along, minus(branch.a, focus))) / length(along);
}

bool onABranch(const Vec3& focus) {
    for (const Branch& branch : branches) {
        if (distanceToBranch(focus, branch) < branchReach) {
            return true;
        }
    }
    return false;
}

// Half the width of an icicle's catch box, which is also the reach within
// which new melt water lengthens it rather than starting another.
float halfWidth(const Icicle& icicle) {
    return static_cast<float>(icicle.scale.x * 1.25 * 0.5);
}

} // namespace

void LiveMode::update() {
    // 1. A frame in which the clock did not move changes nothing.
    if (frameDelta < minimumFrameDelta) {
        return;
    }
    // The keys or a controller move the glass by the frame's time.
    steerGlass();
    // 2. The game clock; at 240 seconds the sun has set and the game is lost.
    float progress = static_cast<float>(static_cast<double>(gameSeconds()) / gameLength);
    if (progress < 0) {
        progress = 0;
    } else if (progress >= 1) {
        won = 0;
        switchState(&endState);
        return;
    }

    // 3. The sun sinks and grows. Its constants are whole numbers, so this
    // is single-precision arithmetic throughout.
    sun.position.y = 300 - 300 * progress;
    const float sunSize = 105 + 140 * progress;
    sun.scale = {sunSize, sunSize, sunSize};

    // 4. Dusk: an orange tint fades in from progress 0.55, then darkens to
    // black from 0.75. Before 0.75 the darkening is negative, which brightens
    // the colour past the tint's own; it is passed on as it is.
    float opacity = static_cast<float>((progress - 0.55) * 3);
    if (opacity < 0) {
        opacity = 0;
    } else if (opacity > 1) {
        opacity = 1;
    }
    duskOverlay.colour[3] = static_cast<float>(opacity * 0.66);
    const float darkening = static_cast<float>((progress - 0.75) * 4);
    for (int channel = 0; channel < 3; ++channel) {
        const float fade = -duskColour[channel] * darkening;
        duskOverlay.colour[channel] = duskColour[channel] + fade;
    }

    // 5. Snow.
    snow->update(frameDelta);

    // 6. Icicles: breaking loose, landing (catching fish or splashing), and
    // going once they have shrunk away on the ice.
    for (std::size_t i = 0; i < icicles.size();) {
        Icicle& icicle = *icicles[i];
        icicle.update(frameDelta);

        if (icicle.broken == Icicle::justHappened) {
            icicle.broken = Icicle::handled;
            sounds.play("break");
        }

        if (icicle.landed == Icicle::justHappened) {
            icicle.landed = Icicle::handled;
            catchShadowsUnder(icicle);
            if (shadows.empty()) {
                won = 1;
                switchState(&endState);
                return;
            }
            rings.push_back(new Ring(icicle.position));
            sounds.play("plop");
        }

        if (icicle.position.y <= icicle.landY && icicle.scale.y <= icicleRemovalHeight) {
            removeAt(icicles, i);
        } else {
            ++i;
        }
    }

    // 7. Shadows move after the catch, which saw them where the last frame
    // left them.
    for (Shadow* shadow : shadows) {
        shadow->update(frameDelta);
    }

    // 8. Drops that reach the ice drip and leave a ring.
    for (std::size_t j = 0; j < drops.size();) {
        Drop& drop = *drops[j];
        drop.update(frameDelta);
        if (drop.position.y > drop.landY) {
            ++j;
            continue;
        }
        const int r = nextRandom();
        sounds.play(dripSounds[r % 5]);
        rings.push_back(new Ring(drop.position));
        removeAt(drops, j);
    }

    // 9. Rings fade out.
    for (std::size_t k = 0; k < rings.size();) {
        rings[k]->update(frameDelta);
        if (rings[k]->age < ringLifetime) {
            ++k;
        } else {
            removeAt(rings, k);
        }
    }

    // 10. The focused light, while the button is held.
    if (rayOn) {
        focusLight();
    }
}

void LiveMode::catchShadowsUnder(const Icicle& icicle) {
    for (std::size_t j = 0; j < shadows.size();) {
        if (!icicle.contains(shadows[j]->position)) {
            ++j;
            continue;
        }
        // The caught fish joins the row along the bottom of the lake.
        const int n = static_cast<int>(caughtFish.size());
        Sprite* fish = new Sprite;
        retexture(*fish, pictures::fish);
        fish->scale = {64, 64, 64};
        fish->position = {static_cast<float>(40 * n - 60), -167, 0};
        caughtFish.push_back(fish);
        rumbleController(fishCaughtRumbleMs);

        removeAt(shadows, j);
        sounds.play("ding");
    }
}

void LiveMode::focusLight() {
    // The beam: from the sun through the lens, which spans 5 to 25 units
    // above the glass's centre, to a point 40 units beyond the lens centre.
    const Vec3 glass = magnifier.position;
    const float lensBottomY = glass.y + 5;
    const float lensTopY = lensBottomY + 20;
    const Vec3 lensCentre = {glass.x, lensTopY - 10, glass.z};

    const Vec3 toLens = minus(lensCentre, sun.position);
    const float distance = length(toLens);
    if (distance == 0) {
        // The lens sits exactly on the sun: there is no direction to focus
        // along, so this frame has no focus point and the beam stays put.
        return;
    }
    const Vec3 direction = {toLens.x / distance, toLens.y / distance, toLens.z / distance};
    const Vec3 focus = {lensCentre.x + focalDistance * direction.x,
                        lensCentre.y + focalDistance * direction.y,
                        lensCentre.z + focalDistance * direction.z};
    ray->lensBottom = {glass.x, lensBottomY, glass.z};
    ray->lensTop = {glass.x, lensTopY, glass.z};
    ray->focus = focus;

    // Melt water: one drop at most every 0.66 seconds, and an icicle under
    // the branch, either a new one or the first whose reach holds the focus.
    if (onABranch(focus) && elapsedMs - lastDropMs > dropSpacingMs) {
        lastDropMs = elapsedMs;
        drops.push_back(new Drop(focus));

        const int x = static_cast<int>(focus.x);
        bool grew = false;
        for (Icicle* icicle : icicles) {
            const float reach = halfWidth(*icicle);
            if (icicle->position.x - reach < x && x < icicle->position.x + reach) {
                icicle->grow();
                grew = true;
                break;
            }
        }
        if (!grew) {
            icicles.push_back(new Icicle(focus));
        }
    }

    // Light held on an icicle weakens it, on a branch or not.
    for (Icicle* icicle : icicles) {
        if (icicle->contains(focus)) {
            icicle->strength -= frameDelta * meltingRate;
        }
    }
}
