// Steering without a pointer: the keys and a controller's velocity move the
// glass by the game's own time, through the frame as the player's keys come.
#include "app/frame.h"
#include "app/player_controls.h"
#include "app/steering_input.h"
#include "live_game.h"

#include <GL/freeglut.h>

#include <cmath>

namespace {

class KeysAndControllers : public LiveGame {
  protected:
    // One frame of the given milliseconds.
    void frame(const int ms) {
        elapsedMs += ms;
        frameDelta = static_cast<float>(ms) / 1000;
        game.update();
    }
    Vec3& glass() { return game.magnifier.position; }
};

TEST_F(KeysAndControllers, KeysMoveTheGlassAtTheirSpeedsAndTheCanvasEdgesStopIt) {
    glass() = {0, 0, 0};
    onSpecial(GLUT_KEY_RIGHT, 0, 0);
    frame(20);
    EXPECT_FLOAT_EQ(glass().x, 6); // 300 a second
    // Shift held: 100 a second; a diagonal no faster than a straight line.
    onSpecial(0x70, 0, 0);
    onKeyboard('w', 0, 0);
    frame(20);
    EXPECT_NEAR(glass().x, 6 + 2 / std::sqrt(2.0f), 1e-4);
    EXPECT_NEAR(glass().y, 2 / std::sqrt(2.0f), 1e-4);
    onSpecialUp(0x70, 0, 0);
    onKeyboardUp('w', 0, 0);
    // Held long enough, the glass stops at the right edge, where the
    // pointer could put it and no further; let go, it stays.
    for (int n = 0; n < 200; ++n) {
        frame(30);
    }
    EXPECT_FLOAT_EQ(glass().x, 400);
    onSpecialUp(GLUT_KEY_RIGHT, 0, 0);
    onKeyboard('s', 0, 0);
    for (int n = 0; n < 200; ++n) {
        frame(30);
    }
    EXPECT_FLOAT_EQ(glass().y, -280);
    onKeyboardUp('s', 0, 0);
    const Vec3 before = glass();
    frame(30);
    EXPECT_EQ(glass().x, before.x);
    EXPECT_EQ(glass().y, before.y);
}

TEST_F(KeysAndControllers, TheStickHasADeadZoneACurveAndTheLastDeviceUsedWins) {
    EXPECT_EQ(stickVelocity(0.2f, -0.1f).x, 0);
    EXPECT_EQ(stickVelocity(0.2f, -0.1f).y, 0);
    EXPECT_FLOAT_EQ(stickVelocity(0, -1).y, 450);
    EXPECT_LT(stickVelocity(0.5f, 0).x, 450 * 0.5f / 2); // a half push aims finer than half speed
    EXPECT_GT(stickVelocity(0.5f, 0).x, 0);

    glass() = {0, 0, 0};
    steerByController(stickVelocity(1, 0));
    frame(20);
    EXPECT_FLOAT_EQ(glass().x, 9);
    // The pointer moved takes over at once, though the stick is still held.
    game.passiveMotion(400, 300);
    const Vec3 pointed = glass();
    steerByController(stickVelocity(1, 0));
    frame(20);
    EXPECT_EQ(glass().x, pointed.x);
    // A key pressed takes over from the pointer.
    onSpecial(GLUT_KEY_LEFT, 0, 0);
    frame(20);
    EXPECT_FLOAT_EQ(glass().x, pointed.x - 6);
    onSpecialUp(GLUT_KEY_LEFT, 0, 0);
}

TEST_F(KeysAndControllers, SpaceFocusesWhileHeldOrTogglesAndRepeatsOrALostKeyboardNeverLeaveItOn) {
    onKeyboard(' ', 0, 0);
    onKeyboard(' ', 0, 0); // a repeat
    EXPECT_EQ(game.rayOn, 1);
    onKeyboard(13, 0, 0);
    onKeyboardUp(' ', 0, 0);
    EXPECT_EQ(game.rayOn, 1); // Enter still holds it
    onFocusLost();
    EXPECT_EQ(game.rayOn, 0);

    setFocusToggles(true);
    onKeyboard(' ', 0, 0);
    onKeyboard(' ', 0, 0);
    onKeyboardUp(' ', 0, 0);
    EXPECT_EQ(game.rayOn, 1);
    game.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(game.rayOn, 0);
    game.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    EXPECT_EQ(game.rayOn, 0);
    setFocusToggles(false);
}

TEST_F(KeysAndControllers, ThePauseMenuMovesBetweenLinesAndChangesTheirValues) {
    onKeyboard('p', 0, 0);
    ASSERT_TRUE(game.paused);
    const int volume = soundVolume();
    onSpecial(GLUT_KEY_DOWN, 0, 0);
    onSpecialUp(GLUT_KEY_DOWN, 0, 0);
    EXPECT_EQ(game.menuLine, MenuLine::volume);
    onSpecial(GLUT_KEY_LEFT, 0, 0);
    onSpecialUp(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(soundVolume(), volume - 1);
    const Vec3 still = game.magnifier.position;
    frame(20);
    EXPECT_EQ(game.magnifier.position.x, still.x);
    onKeyboard('s', 0, 0);
    onKeyboardUp('s', 0, 0);
    onKeyboard('s', 0, 0);
    onKeyboardUp('s', 0, 0);
    EXPECT_EQ(game.menuLine, MenuLine::focus);
    onKeyboard(13, 0, 0);
    onKeyboardUp(13, 0, 0);
    EXPECT_TRUE(focusToggles());
    EXPECT_TRUE(game.paused);
    onSpecial(GLUT_KEY_UP, 0, 0);
    onSpecialUp(GLUT_KEY_UP, 0, 0);
    onSpecial(GLUT_KEY_UP, 0, 0);
    onSpecialUp(GLUT_KEY_UP, 0, 0);
    onSpecial(GLUT_KEY_UP, 0, 0);
    onSpecialUp(GLUT_KEY_UP, 0, 0);
    onKeyboard(' ', 0, 0);
    EXPECT_FALSE(game.paused);
    EXPECT_EQ(game.rayOn, 0); // the choice that resumed is no focus
    onKeyboardUp(' ', 0, 0);
    setFocusToggles(false);
    changeVolume(1);
}

} // namespace
