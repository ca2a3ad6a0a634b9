#include "app/game_clock.h"
#include "console.h"
#include "fresh_process.h"
#include "game/live_mode.h"
#include "gfx/picture_paths.h"
#include "gfx/texture_cache.h"
#include "screens/end_state.h"
#include "screens/start_state.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace {

class TitleScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        startFreshProcess();
        switchState(&startState);
    }
    void TearDown() override { currentState = nullptr; }
    static const char* shownPath() { return startState.sprite.texture->path; }
    ConsoleCapture console;
};

TEST_F(TitleScreen, OnlyALeftReleaseOrAChoiceLetGoAdvancesFromSplashToInstructions) {
    EXPECT_STREQ(shownPath(), "./img/splash.jpg");
    startState.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    startState.mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    startState.mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 10, 10);
    startState.motion(300, 200);
    startState.action(Action::choose, true);
    startState.action(Action::left, false);
    EXPECT_STREQ(shownPath(), "./img/splash.jpg");
    EXPECT_EQ(startState.instructionsShown, 0);

    startState.action(Action::choose, false);
    EXPECT_STREQ(shownPath(), "./img/instructions.jpg");
    EXPECT_EQ(startState.instructionsShown, 1);
    EXPECT_EQ(currentState, &startState);
}

TEST_F(TitleScreen, EnteringAgainShowsTheSplashAgain) {
    startState.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    startState.enter(nullptr);
    EXPECT_STREQ(shownPath(), "./img/splash.jpg");
    EXPECT_EQ(startState.instructionsShown, 0);
}

TEST_F(TitleScreen, AMissingSplashStillAdvancesOnClicks) {
    startFreshProcess();
    fakeGl().failingImages = {"./img/splash.jpg"};
    switchState(&startState);
    EXPECT_EQ(static_cast<int>(startState.sprite.texture->glName), -1);
    startState.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    EXPECT_STREQ(shownPath(), "./img/instructions.jpg");
}

TEST_F(TitleScreen, LoadsTheGamesPicturesOneAFrameWhileThePlayerReads) {
    console.take();
    startState.update();
    EXPECT_EQ(console.take(), "Loaded texture ./img/bg.png\n");
    const int count = static_cast<int>(std::size(pictures::liveGame));
    for (int frame = 1; frame < count; ++frame) {
        startState.update();
    }
    EXPECT_FALSE(startState.soundReady); // the pictures come first
    startState.update();
    EXPECT_TRUE(startState.soundReady);
    EXPECT_EQ(startState.picturesReady, count);
    for (const char* path : pictures::liveGame) {
        EXPECT_TRUE(textureCache.count(path)) << path;
    }
    EXPECT_FALSE(textureCache.count(pictures::win));
}

// The browser brings the instructions and the live game's pictures behind
// the title: one still on its way is neither loaded as missing nor played
// without, and the clicks that asked for it are answered once it is in.
TEST_F(TitleScreen, PicturesOnTheirWayAreWaitedForAndSoAreTheClicks) {
    expectPicture(pictures::instructions);
    expectPicture(pictures::background);
    console.take();
    startState.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    startState.update();
    EXPECT_STREQ(shownPath(), "./img/splash.jpg");
    pictureArrived(pictures::instructions);
    startState.update();
    EXPECT_STREQ(shownPath(), "./img/instructions.jpg");

    startState.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    startState.update();
    EXPECT_EQ(console.take(), "Loaded texture ./img/instructions.jpg\n");
    EXPECT_EQ(currentState, &startState);

    pictureArrived(pictures::background);
    startState.update();
    EXPECT_EQ(currentState, &liveMode);
    EXPECT_NE(static_cast<int>(getTexture(pictures::background)->glName), -1);
    liveMode.finish(nullptr);
}

TEST_F(TitleScreen, LoadingAheadLeavesTheScreensOwnPictureBound) {
    startState.draw();
    const int splash = renderCache.boundTexture;
    ASSERT_NE(splash, -1);
    startState.update();
    EXPECT_EQ(fakeGl().boundTexture, splash);
    takeCalls();
    startState.draw();
    EXPECT_EQ(fakeGl().boundTexture, splash);
}

class ResultScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        startFreshProcess();
        elapsedMs = 100000;
    }
    ConsoleCapture console;

    void showResult(const bool won) {
        LiveMode game("test game");
        game.won = won;
        endState.enter(&game);
    }
    void clickAt(const int ms, const int button = GLUT_LEFT_BUTTON) {
        elapsedMs = ms;
        endState.mouse(button, GLUT_UP, 400, 300);
    }
};

TEST_F(ResultScreen, ShowsTheWinOrLosePictureForTheGameThatEnded) {
    showResult(true);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/win.jpg");
    EXPECT_EQ(endState.sprite.scale.x, 800);
    showResult(false);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/lose.jpg");
    EXPECT_EQ(endState.enteredAtMs, 100000);
}

TEST_F(ResultScreen, ANewBestIsExactAfterHoursOnTheTitleAndOnlyAgainstARecordRead) {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    ASSERT_NE(dataHome, nullptr);
    const std::string kept = dataHome;
    std::filesystem::remove(kept + "/brumalo/records");

    // Thirty hours on the title, then a win of 100.001 s: a float of seconds
    // since start-up holds that only to 8 ms.
    const auto win = [this] {
        LiveMode game("test game");
        elapsedMs = 30LL * 3600 * 1000;
        game.gameStartMs = elapsedMs;
        game.won = 1;
        elapsedMs += 100'001;
        endState.enter(&game);
        endState.update();
    };
    win();
    EXPECT_EQ(endState.figures.timeMs, 100'001);
    EXPECT_TRUE(endState.figures.newBest);

    // With nowhere to read the record from, this win says nothing of others.
    unsetenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string keptHome = home ? home : "";
    unsetenv("HOME");
    win();
    setenv("XDG_DATA_HOME", kept.c_str(), 1);
    if (!keptHome.empty()) {
        setenv("HOME", keptHome.c_str(), 1);
    }
    EXPECT_TRUE(endState.figuresShown);
    EXPECT_FALSE(endState.figures.newBest);
}

using ResultScreenDeathTest = ResultScreen;

TEST_F(ResultScreenDeathTest, IgnoresClicksUntilMoreThanFiveSecondsHavePassed) {
    // Had any of these clicks ended the program, it would have ended with 0.
    EXPECT_EXIT(
        {
            showResult(false);
            clickAt(103000);
            clickAt(105000); // exactly five seconds: not yet
            clickAt(200000, GLUT_RIGHT_BUTTON);
            clickAt(200000, GLUT_MIDDLE_BUTTON);
            elapsedMs = 200000;
            endState.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
}

TEST_F(ResultScreenDeathTest, ALateLeftReleaseEndsTheProgramWithStatusZero) {
    showResult(true);
    EXPECT_EXIT(clickAt(106000), ::testing::ExitedWithCode(0), "");
}

} // namespace
