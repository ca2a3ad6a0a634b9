// A paused game, driven through the frame's own idle pass on GLUT's clock:
// the rules must see no time pass across the pause, at either end of it.
#include "app/frame.h"
#include "fake_gl.h"
#include "live_game.h"
#include "platform/pause_key.h"
#include "screens/end_state.h"

#include <GL/freeglut.h>

namespace {

class Pause : public LiveGame {
  protected:
    // One idle pass of the frame with GLUT's clock at the given milliseconds.
    void idleAt(const int glutMs) {
        fakeGl().elapsedMs = glutMs;
        onIdle();
    }
};

TEST_F(Pause, TheRulesSeeNoTimePassAcrossAPauseAtEitherEnd) {
    // The frame clock starts where the game did; the sun is 100 ms from setting.
    const int start = elapsedMs;
    lastTickMs = start;
    idleAt(start + 239'900);
    ASSERT_EQ(currentState, &game);
    const float sunBefore = game.sun.position.y;

    // Paused 5 ms after that frame, by the Pause key, for thirty seconds,
    // with GLUT calling in now and then: nothing moves, and no frame counts.
    fakeGl().elapsedMs = start + 239'905;
    game.action(Action::pause, true);
    ASSERT_TRUE(game.paused);
    idleAt(start + 255'000);
    idleAt(start + 269'905);
    EXPECT_EQ(game.sun.position.y, sunBefore);
    EXPECT_EQ(currentState, &game);

    // A click resumes, and is not a press on the lake; the next frame is the
    // 5 ms before the pause and the 7 ms after it, nothing more.
    game.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_FALSE(game.paused);
    EXPECT_EQ(game.rayOn, 0);
    idleAt(start + 269'912);
    EXPECT_FLOAT_EQ(frameDelta, 0.012f);
    EXPECT_EQ(elapsedMs, start + 239'912);
    EXPECT_LT(game.sun.position.y, sunBefore);
    EXPECT_EQ(currentState, &game);

    // P pauses and resumes too, and the sun still sets on time.
    onKeyboard('p', 0, 0);
    onKeyboardUp('p', 0, 0);
    onKeyboard('P', 0, 0);
    idleAt(start + 270'000);
    EXPECT_NE(currentState, &game);
}

TEST_F(Pause, LeavingAPausedGameLetsTheClockGo) {
    game.pause();
    ASSERT_TRUE(gameClockHeld());
    switchState(&endState);
    EXPECT_FALSE(gameClockHeld());
    EXPECT_FALSE(game.paused);
}

} // namespace
