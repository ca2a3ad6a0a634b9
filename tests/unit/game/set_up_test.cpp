#include "app/camera.h"
#include "game_sounds.h"
#include "gfx/picture_paths.h"
#include "live_game.h"
#include "random_draws.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

using GameSetUp = LiveGame;

TEST_F(GameSetUp, StartsWithTenShadowsNothingElseAndNoLight) {
    EXPECT_EQ(game.shadows.size(), 10u);
    EXPECT_TRUE(game.drops.empty());
    EXPECT_TRUE(game.rings.empty());
    EXPECT_TRUE(game.icicles.empty());
    EXPECT_TRUE(game.caughtFish.empty());
    EXPECT_EQ(game.rayOn, 0);
    EXPECT_EQ(game.won, 0);
    EXPECT_EQ(game.gameStartMs, 10000);
    EXPECT_EQ(game.lastDropMs, game.gameStartMs);
    EXPECT_NE(game.snow, nullptr);
    EXPECT_NE(game.ray, nullptr);
}

TEST_F(GameSetUp, TheDuskTintStartsInvisibleAndTheGlassAtTheCentreShowingItsIdleHalf) {
    EXPECT_EQ(game.duskOverlay.colour[3], 0);
    EXPECT_EQ(game.duskOverlay.colour[1], 0.545f);
    EXPECT_EQ(game.duskOverlay.texture, nullptr);
    EXPECT_EQ(game.magnifier.position.x, 0);
    EXPECT_EQ(game.magnifier.position.y, 0);
    EXPECT_EQ(game.magnifier.texWindow, 1);
    EXPECT_EQ(game.magnifier.texScale[0], 0.5f);
    EXPECT_EQ(game.magnifier.texOffset[0], 0);
    EXPECT_EQ(game.leftTree.texture, game.rightTree.texture);
    EXPECT_EQ(game.leftTree.position.x, -305);
    EXPECT_EQ(game.rightTree.position.y, 201);
}

TEST(RandomSequence, EveryRunDrawsTheSameValuesFromTheSameStart) {
    randomState = 1;
    std::vector<int> draws;
    for (int i = 0; i < 12; ++i) {
        draws.push_back(nextRandom());
    }
    EXPECT_THAT(draws, ElementsAre(41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464,
                                   5705, 28145));
}

TEST_F(GameSetUp, TheSnowMakesTheFirstRandomDrawsThenEachShadowDrawsFour) {
    // 133 flakes of four draws each, then ten shadows of four each.
    LiveMode other("other");
    randomState = 1;
    other.enter(nullptr);
    EXPECT_EQ(randomState, randomStateAfterDraws(133 * 4 + 10 * 4));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(other.shadows[i]->scale.x, game.shadows[i]->scale.x);
    }
}

TEST_F(GameSetUp, LoadsTheNineSoundsInOrderAndStartsTheBackgroundAfterThem) {
    LiveMode other("other");
    console();
    other.enter(nullptr);
    // The pictures are cached by now; bg's file is absent from the test's folder.
    EXPECT_EQ(console(), gameSoundLoadLines() +
                             "ERROR: No sample associated with bg\nERROR: Sample bg not found\n");
    EXPECT_EQ(other.sounds.count, 9);
}

TEST_F(GameSetUp, FinishTearsEverythingDownAndLeavesNothingDangling) {
    EXPECT_TRUE(game.finish(nullptr));
    EXPECT_EQ(game.snow, nullptr);
    EXPECT_EQ(game.ray, nullptr);
    EXPECT_TRUE(game.shadows.empty());
    EXPECT_TRUE(game.caughtFish.empty());
}

using Steering = LiveGame;

TEST_F(Steering, ThePointerPutsTheGlass20UnitsAboveItInAn800By600Window) {
    Camera window;
    window.reshape(800, 600);
    currentCamera = &window;
    pointAt(0, 0);
    EXPECT_EQ(game.magnifier.position.x, -400);
    EXPECT_EQ(game.magnifier.position.y, 320);
    pointAt(799, 599);
    EXPECT_EQ(game.magnifier.position.x, 399);
    EXPECT_EQ(game.magnifier.position.y, -279);
    EXPECT_EQ(game.magnifier.position.z, 0);
    game.passiveMotion(400, 300);
    EXPECT_EQ(game.magnifier.position.x, 0);
    EXPECT_EQ(game.magnifier.position.y, 20);
    currentCamera = nullptr;
}

TEST_F(Steering, TheGlassStaysUnderThePointerInAResizedWindow) {
    Camera window;
    window.reshape(1000, 750);
    currentCamera = &window;
    pointAt(0, 0); // the top-left corner is still the canvas's
    EXPECT_EQ(game.magnifier.position.x, -400);
    EXPECT_EQ(game.magnifier.position.y, 320);
    pointAt(500, 375); // the centre
    EXPECT_EQ(game.magnifier.position.x, 0);
    EXPECT_EQ(game.magnifier.position.y, 20);
    pointAt(750, 125); // canvas (200, 200), with the glass 20 above
    EXPECT_EQ(game.magnifier.position.x, 200);
    EXPECT_EQ(game.magnifier.position.y, 220);
    currentCamera = nullptr;
}

TEST_F(Steering, TheLeftButtonHeldFocusesAndShowsTheGlowingGlass) {
    game.mouse(2, 0, 0, 0); // right
    game.mouse(1, 0, 0, 0); // middle
    EXPECT_EQ(game.rayOn, 0);
    press();
    EXPECT_EQ(game.rayOn, 1);
    EXPECT_EQ(game.magnifier.texOffset[0], 0.5f);
    press();
    EXPECT_EQ(game.rayOn, 1);
    release();
    EXPECT_EQ(game.rayOn, 0);
    EXPECT_EQ(game.magnifier.texOffset[0], 0);
    release();
    EXPECT_EQ(game.rayOn, 0);
    game.action(Action::left, true);
    EXPECT_EQ(game.rayOn, 0);
}

using Scene = LiveGame;

// Which picture each glCallList or triangle drew, in drawing order, a run of
// draws of one picture counted once: the scene draws a layer in parts, each
// within its own box, where the rest of it would change no pixel.
std::vector<std::string> layers() {
    std::vector<std::string> result;
    std::string bound = "none";
    for (const std::string& call : takeCalls()) {
        if (call.rfind("glBindTexture", 0) == 0) {
            bound = call.substr(call.find(", ") + 2);
            bound.pop_back();
        } else if (call == "glDisable(GL_TEXTURE_2D)") {
            bound = "none";
        } else if (call.rfind("glCallList", 0) == 0) {
            if (result.empty() || result.back() != bound) {
                result.push_back(bound);
            }
        } else if (call == "glBegin(GL_TRIANGLES)") {
            result.push_back("ray");
        }
    }
    return result;
}

std::string nameOf(const Texture* texture) {
    return std::to_string(texture->glName);
}

TEST_F(Scene, PaintsBackToFrontWithTheDuskOverEverythingOnceItShows) {
    destroyAll(game.shadows);
    destroyAll(game.snow->flakes);
    // The two trees share one picture.
    const std::vector<std::string> landscape = {
        nameOf(game.sky.texture), nameOf(game.sun.texture), nameOf(game.background.texture),
        nameOf(game.leftTree.texture), nameOf(game.magnifier.texture)};

    // Still transparent at the start: the tint is left out.
    takeCalls();
    renderCache = RenderCache();
    game.draw();
    EXPECT_EQ(layers(), landscape);

    frameAtProgress(0.6);
    destroyAll(game.snow->flakes);
    takeCalls();
    game.draw();
    std::vector<std::string> withDusk = landscape;
    withDusk.push_back("none");
    EXPECT_EQ(layers(), withDusk);
}

TEST_F(Scene, EntitiesGoBetweenTheTreesAndTheGlassAndTheRayUnderTheSnow) {
    destroyAll(game.shadows);
    shadowsAt({{0, -50, 0}});
    game.rings.push_back(new Ring(Vec3{0, -50, 0}));
    game.rings[0]->update(0.5f);
    game.icicles.push_back(new Icicle(Vec3{0, 100, 0}));
    game.drops.push_back(new Drop(Vec3{0, 100, 0}));
    game.caughtFish.push_back(new Sprite);
    retexture(*game.caughtFish[0], pictures::fish);
    destroyAll(game.snow->flakes);
    game.snow->spawn();
    press();
    takeCalls();
    renderCache = RenderCache();
    game.draw();
    const std::string ring = nameOf(game.rings[0]->ripples[0].texture);
    EXPECT_THAT(layers(),
                ElementsAre(nameOf(game.sky.texture), nameOf(game.sun.texture),
                            nameOf(game.background.texture), nameOf(game.leftTree.texture),
                            nameOf(game.shadows[0]->texture), ring,
                            nameOf(game.icicles[0]->texture), nameOf(game.drops[0]->texture),
                            nameOf(game.caughtFish[0]->texture), nameOf(game.magnifier.texture),
                            "ray", nameOf(game.snow->flakes[0]->texture)));
}

} // namespace
