// Whole games played headless, through nothing but the pointer and the left
// button, with a fixed frame step: one the autoplayer wins before sunset, and
// one left alone that is lost when the sun sets.
#include "aiming.h"
#include "live_game.h"
#include "screens/end_state.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int frameMs = 20;

// Plays the way a patient player would: keeps a few icicles grown under the
// branches and melted almost loose, and when a fish shadow is about to swim
// under one of them, melts it the rest of the way so it lands on the fish.
class AutoPlayer {
  public:
    explicit AutoPlayer(LiveMode& game) : game(game) {}

    void playOneFrame() {
        if (!dropping) {
            dropping = readyToCatch();
        }
        if (dropping) {
            dropOnAFish();
        } else {
            prepareAnIcicle();
        }
    }

  private:
    // Points on the branches, far enough apart that each grows its own icicle.
    struct Spot {
        float x;
        float y;
    };
    static constexpr Spot spots[] = {{-190, 273.3f}, {-130, 189.1f}, {-60, 165.5f},
                                     {60, 162.3f},   {120, 185.8f},  {180, 265.5f}};
    static constexpr float grownLength = 45;
    static constexpr float almostLoose = 10;

    // Moves the pointer so that the light focuses on a canvas point.
    void aimAt(const float x, const float y) {
        const Pixel pointer = pointerOver(glassFocusingOn(game.sun.position, x, y));
        game.motion(pointer.x, pointer.y);
    }

    void hold(const bool down) {
        if (down != static_cast<bool>(game.rayOn)) {
            game.mouse(0, down ? 0 : 1, 0, 0);
        }
    }

    Icicle* hangingAt(const Spot& spot) const {
        for (Icicle* icicle : game.icicles) {
            if (std::fabs(icicle->position.x - spot.x) < 20 && icicle->strength > 0) {
                return icicle;
            }
        }
        return nullptr;
    }

    static bool prepared(const Icicle* icicle) {
        return icicle && icicle->scale.x >= grownLength && icicle->strength < almostLoose;
    }

    // Grows and weakens the first icicle that is not ready yet.
    void prepareAnIcicle() {
        for (const Spot& spot : spots) {
            Icicle* icicle = hangingAt(spot);
            if (prepared(icicle)) {
                continue;
            }
            if (icicle && icicle->scale.x >= grownLength) {
                aimAt(icicle->position.x, icicle->position.y);
            } else {
                aimAt(spot.x, spot.y);
            }
            hold(true);
            return;
        }
        hold(false);
    }

    // Where a shadow will be after the given number of seconds.
    static Vec3 shadowAfter(const Shadow& shadow, const double seconds) {
        Shadow ahead = shadow;
        ahead.update(static_cast<float>(seconds));
        return ahead.position;
    }

    // Picks a ready icicle that would land on a shadow if melted loose now.
    Icicle* readyToCatch() {
        for (const Spot& spot : spots) {
            Icicle* icicle = hangingAt(spot);
            if (!prepared(icicle)) {
                continue;
            }
            const double melting = icicle->strength / 100.0 + 2 * frameMs / 1000.0;
            const double falling = (icicle->position.y - icicle->landY) / 325.0;
            const float reach = 0.625f * (icicle->scale.x - 200 * frameMs / 1000.0f) * 0.8f;
            for (const Shadow* shadow : game.shadows) {
                const Vec3 there = shadowAfter(*shadow, melting + falling);
                if (std::fabs(there.x - icicle->position.x) < reach &&
                    std::fabs(there.y - icicle->landY) < reach) {
                    return icicle;
                }
            }
        }
        return nullptr;
    }

    void dropOnAFish() {
        if (dropping->strength > 0) {
            aimAt(dropping->position.x, dropping->position.y);
            hold(true);
            return;
        }
        hold(false);
        dropping = nullptr;
    }

    LiveMode& game;
    Icicle* dropping = nullptr;
};

using WholeGame = LiveGame;

TEST_F(WholeGame, APlayerWhoAimsWellCatchesAllTenFishBeforeSunset) {
    AutoPlayer player(game);
    int frames = 0;
    while (currentState == &game && frames < 240 * 1000 / frameMs) {
        player.playOneFrame();
        frame(frameMs);
        ++frames;
        console(); // the sounds are absent here: their ERROR lines are expected
    }
    const double seconds = frames * frameMs / 1000.0;
    std::fprintf(stderr, "The autoplayer won after %.2f game seconds\n", seconds);
    RecordProperty("winningSeconds", std::to_string(seconds));

    EXPECT_EQ(currentState, &endState);
    EXPECT_EQ(game.won, 1);
    EXPECT_TRUE(game.shadows.empty());
    EXPECT_EQ(game.caughtFish.size(), 10u);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/win.jpg");
    EXPECT_LT(seconds, 240.0);
}

TEST_F(WholeGame, AGameLeftAloneIsLostWhenTheSunSets) {
    int frames = 0;
    while (currentState == &game && frames < 300 * 1000 / frameMs) {
        frame(frameMs);
        ++frames;
    }
    EXPECT_EQ(frames, 240 * 1000 / frameMs);
    EXPECT_EQ(currentState, &endState);
    EXPECT_EQ(game.won, 0);
    EXPECT_EQ(game.shadows.size(), 10u);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/lose.jpg");
    // By then the dusk has all but blacked the scene out.
    EXPECT_NEAR(game.duskOverlay.colour[3], 0.66f, 1e-6);
    EXPECT_LT(game.duskOverlay.colour[0], 0.01f);
}

} // namespace
