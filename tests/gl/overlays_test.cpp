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

    // Red at 45% around the panel's 400 by 356 units, its navy within.
    for (const auto& [x, y] : {std::pair{-396, 296}, {396, -296}, {0, 184}, {0, -184}, {-206, 0}}) {
        EXPECT_TRUE(looksLike(canvasPixel(x, y), {115, 0, 0})) << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{-195, -60}, {195, 30}, {60, 160}, {120, -168}}) {
        EXPECT_TRUE(looksLike(canvasPixel(x, y), {30, 23, 50})) << x << ", " << y;
    }
}

// The menu's lines, 46 units apart from the first at y 50, as the panel's
// picture letters them.
int menuLineY(const int line) {
    return 50 - 46 * line;
}

const Rgb gold{255, 217, 148};

TEST_F(Overlays, OnlyTheCurrentLineIsMarkedAndTheVolumeFillsItsBarsUpToItsStep) {
    // The mark at the left end of a line, and the band's lighter ground
    // between the mark and the line's name.
    for (int current = 0; current < menuLineCount; ++current) {
        startFrame();
        drawPausePanel({.current = static_cast<MenuLine>(current)});
        const Rgb unmarked = canvasPixel(-178, menuLineY((current + 1) % menuLineCount));
        for (int line = 0; line < menuLineCount; ++line) {
            SCOPED_TRACE(testing::Message() << "current " << current << ", line " << line);
            EXPECT_EQ(looksLike(canvasPixel(-188, menuLineY(line)), gold), line == current);
            const Rgb ground = canvasPixel(-178, menuLineY(line));
            EXPECT_EQ(ground.blue > unmarked.blue + 15, line == current);
        }
    }

    // Five bars after the loudspeaker, 18 units apart, gold up to the step.
    for (int volume = 0; volume <= volumeSteps; ++volume) {
        startFrame();
        drawPausePanel({.volume = volume});
        for (int bar = 0; bar < volumeSteps; ++bar) {
            SCOPED_TRACE(testing::Message() << "volume " << volume << ", bar " << bar);
            EXPECT_EQ(looksLike(canvasPixel(75 + 18 * bar, menuLineY(1) - 5), gold), bar < volume);
        }
    }
}

TEST_F(Overlays, TheVolumeShowsAloneInTheCornerAndFadesToNothing) {
    drawVolumeShown(3, 1);
    for (int bar = 0; bar < volumeSteps; ++bar) {
        EXPECT_EQ(looksLike(canvasPixel(288 + 14 * bar, 255), gold), bar < 3) << bar;
    }

    startFrame();
    drawVolumeShown(5, 0);
    for (const auto& [x, y] : {std::pair{300, 262}, {288, 255}, {250, 262}}) {
        EXPECT_TRUE(looksLike(canvasPixel(x, y), grey)) << x << ", " << y;
    }
}

TEST(PauseMenu, AClickFindsTheLineUnderItAndNoneOffTheLines) {
    for (int line = 0; line < menuLineCount; ++line) {
        for (const float x : {-180.0f, 0.0f, 180.0f}) {
            MenuLine found = MenuLine::quit;
            ASSERT_TRUE(menuLineAt(x, static_cast<float>(menuLineY(line)), found)) << line;
            EXPECT_EQ(found, static_cast<MenuLine>(line)) << x;
        }
    }
    // Beside the panel, on its heading, below its last line, off the canvas.
    for (const auto& [x, y] : {std::pair{-230.0f, 50.0f},
                               {230.0f, -88.0f},
                               {0.0f, 110.0f},
                               {0.0f, -170.0f},
                               {500.0f, 0.0f}}) {
        MenuLine found = MenuLine::resume;
        EXPECT_FALSE(menuLineAt(x, y, found)) << x << ", " << y;
    }
}

} // namespace
