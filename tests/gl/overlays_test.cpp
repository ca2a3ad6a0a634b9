// What the game draws over a finished screen or scene, with the pictures
// the build made: the result figures and the pause panel.
#include "canvas.h"

#include "game/pause_panel.h"
#include "gfx/digit_text.h"
#include "gfx/sprite.h"
#include "screens/result_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// The game opens its pictures as ./img/<name> from its data folder: the
// build folder, one up from where the tests run.
class Overlays : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(testFolder / "..");
        ASSERT_TRUE(std::filesystem::exists("img/digits.png")) << "the pictures are not built";
        startFrame();
    }
    void TearDown() override { std::filesystem::current_path(testFolder); }
    const std::filesystem::path testFolder = std::filesystem::current_path();
};

bool lettered(const int x, const int y) {
    const Rgb seen = canvasPixel(x, y);
    return seen.red + seen.green + seen.blue > 3 * 190;
}

// A figure 46 units to the em centred at (x, -26): its lettering spans its
// width, less its soft edges, and its digits' height.
void expectFigure(const char* text, const int x) {
    SCOPED_TRACE(text);
    int left = 400, right = -400;
    for (int across = x - 150; across <= x + 150; ++across) {
        for (int y = -50; y <= -2; ++y) {
            if (lettered(across, y)) {
                EXPECT_TRUE(y > -47 && y < -5) << "lettering at " << across << ", " << y;
                left = std::min(left, across);
                right = std::max(right, across);
            }
        }
    }
    const float half = digitTextWidth(text, 46) / 2;
    EXPECT_TRUE(left >= x - half - 1 && left <= x - half + 4) << left;
    EXPECT_TRUE(right <= x + half + 1 && right >= x + half - 4) << right;
}

TEST_F(Overlays, FiguresStandCentredInTheirCardsAndTheMarkShowsOnlyForANewBestWin) {
    drawResultFigures({.won = true, .timeMs = 102345, .bestMs = 98000});
    expectFigure("1:42.3", -129);
    expectFigure("1:38.0", 129);
    EXPECT_FALSE(lettered(129, -84)) << "a mark without a new best";

    drawResultFigures({.won = true, .timeMs = 98000, .bestMs = 98000, .newBest = true});
    EXPECT_TRUE(lettered(20, -84) && lettered(129, -84) && lettered(238, -84)) << "no mark";

    startFrame();
    drawResultFigures({.newBest = true, .fishCaught = 7, .mostFish = 10});
    expectFigure("7", -129);
    expectFigure("10", 129);
    EXPECT_FALSE(lettered(129, -84)) << "a mark on a lost game";
}

TEST_F(Overlays, ThePausePanelStandsCentredOnTheDimmedScene) {
    Sprite redScene;
    redScene.scale = {800, 600, 1};
    redScene.colour[1] = redScene.colour[2] = 0;
    redScene.draw();
    drawPausePanel(PauseMenuView{});

    // Red at 45% around the panel's 380 by 168 units, its navy within.
    for (const auto& [x, y] : {std::pair{-396, 296}, {396, -296}, {0, 92}, {0, -92}, {-198, 0}}) {
        EXPECT_TRUE(looksLike(canvasPixel(x, y), {115, 0, 0})) << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{-175, 0}, {175, 30}, {0, 76}, {120, -76}}) {
        EXPECT_TRUE(looksLike(canvasPixel(x, y), {30, 23, 50})) << x << ", " << y;
    }
}

} // namespace
