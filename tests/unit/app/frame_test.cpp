#include "app/camera.h"
#include "app/frame.h"
#include "app/game_clock.h"
#include "app/player_controls.h"
#include "app/state.h"
#include "fresh_process.h"

#include <GL/freeglut.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Records every event it receives, in the form the frame passed it on.
struct RecordingState : State {
    RecordingState() : State("recording") {}
    void draw() override { events.push_back("draw"); }
    void update() override { events.push_back("update"); }
    void mouse(int b, int s, int x, int y) override { add("mouse", {b, s, x, y}); }
    void motion(int x, int y) override { add("motion", {x, y}); }
    void passiveMotion(int x, int y) override { add("passiveMotion", {x, y}); }
    void action(Action a, bool down) override { add("action", {static_cast<int>(a), down}); }

    void add(const std::string& name, const std::vector<int>& values) {
        std::string line = name;
        for (const int value : values) {
            line += " " + std::to_string(value);
        }
        events.push_back(line);
    }
    std::vector<std::string> events;
};

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        startFreshProcess();
        currentState = &state;
    }
    void TearDown() override { currentState = nullptr; }
    RecordingState state;
};

// The pointer's events pass unchanged; keys reach the state as actions.
TEST_F(Frame, ForwardsThePointerUnchangedAndKeysAsActionsInGlutsOrder) {
    const auto action = [](Action a, bool down) {
        return "action " + std::to_string(static_cast<int>(a)) + (down ? " 1" : " 0");
    };
    onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 799, 0);
    onMotion(-3, 700);
    onPassiveMotion(12, 34);
    onKeyboard('q', 5, 6);
    onKeyboard(' ', 5, 6);
    onKeyboard(13, 5, 6);
    onKeyboardUp(' ', 7, 8);
    onKeyboardUp(13, 7, 8);
    onSpecial(GLUT_KEY_UP, 1, 2);
    onKeyboard('W', 1, 2);
    onSpecialUp(GLUT_KEY_UP, 3, 4);
    onKeyboardUp('w', 3, 4);
    fakeGl().modifiers = GLUT_ACTIVE_ALT;
    onSpecial(GLUT_KEY_F5, 0, 0);
    EXPECT_THAT(state.events,
                ElementsAre("mouse 2 0 799 0", "motion -3 700", "passiveMotion 12 34",
                            action(Action::choose, true), action(Action::choose, false),
                            action(Action::up, true), action(Action::up, false)));
}

// Says on stderr which keys reached it: a death test runs its statement in a
// child process, and stderr is what the parent gets to read.
struct TellingState : State {
    TellingState() : State("telling") {}
    void action(Action a, bool) override {
        std::fprintf(stderr, "action %d\n", static_cast<int>(a));
    }
};

TEST(FrameDeathTest, EscCtrlQAndAltF4EndTheProgramBeforeTheStateSeesThem) {
    static TellingState telling;
    startFreshProcess();
    currentState = &telling;
    // A P first shows that what reaches the state does get told.
    const std::string pause = "action " + std::to_string(static_cast<int>(Action::pause)) + "\n";
    EXPECT_EXIT(
        {
            onKeyboard('p', 0, 0);
            onKeyboard(27, 0, 0);
        },
        ::testing::ExitedWithCode(0), AllOf(HasSubstr(pause), Not(HasSubstr(pause + "action"))));
    EXPECT_EXIT(onKeyboard(17, 0, 0), ::testing::ExitedWithCode(0), Not(HasSubstr("action")));
    EXPECT_EXIT(
        {
            fakeGl().modifiers = GLUT_ACTIVE_ALT | GLUT_ACTIVE_SHIFT;
            onSpecial(GLUT_KEY_F4, 0, 0);
        },
        ::testing::ExitedWithCode(0), Not(HasSubstr("action")));
    currentState = nullptr;
}

TEST_F(Frame, IdleTicksUpdatesAndAsksForARedisplay) {
    onIdle();
    EXPECT_THAT(state.events, ElementsAre("update"));
    EXPECT_THAT(takeCalls(), ElementsAre("glutPostRedisplay()"));
}

TEST_F(Frame, DisplayClearsDrawsBetweenAPushAndAPopThenSwaps) {
    onDisplay();
    EXPECT_THAT(state.events, ElementsAre("draw"));
    EXPECT_THAT(takeCalls(), ElementsAre("glClear(GL_COLOR_BUFFER_BIT|GL_DEPTH_BUFFER_BIT)",
                                         "glPushMatrix()", "glPopMatrix()", "glutSwapBuffers()"));
}

TEST_F(Frame, WithNoStateOrCameraTheCallbacksDoNothingButTheirOwnWork) {
    currentState = nullptr;
    currentCamera = nullptr;
    onMouse(0, 1, 0, 0);
    onMotion(0, 0);
    onPassiveMotion(0, 0);
    onKeyboard('a', 0, 0);
    onKeyboardUp('a', 0, 0);
    onSpecial(1, 0, 0);
    onSpecialUp(1, 0, 0);
    onReshape(800, 600);
    EXPECT_TRUE(takeCalls().empty());
    onIdle();
    onDisplay();
    EXPECT_THAT(takeCalls(), ElementsAre("glutPostRedisplay()",
                                         "glClear(GL_COLOR_BUFFER_BIT|GL_DEPTH_BUFFER_BIT)",
                                         "glPushMatrix()", "glPopMatrix()", "glutSwapBuffers()"));
}

TEST_F(Frame, PressesOfMWriteTheSettingsOnceAfterwardsAndBeforeTheGameEnds) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(configHome, nullptr);
    const std::string settings = std::string(configHome) + "/brumalo/settings";
    std::remove(settings.c_str());
    applyKeptSettings();

    // M held: a press and its repeats mute once. Then a second press and a
    // third, Shift let go of meanwhile: nothing written yet.
    for (int press = 0; press < 4; ++press) {
        onKeyboard('m', 0, 0);
    }
    onKeyboardUp('m', 0, 0);
    onKeyboard('M', 0, 0);
    onKeyboardUp('m', 0, 0);
    onKeyboard('m', 0, 0);
    onKeyboardUp('m', 0, 0);
    EXPECT_FALSE(std::ifstream(settings).good());
    ASSERT_NE(fakeGl().timer, nullptr);
    fakeGl().timer(fakeGl().timerValue);
    std::ifstream written(settings);
    const std::string text{std::istreambuf_iterator<char>(written), {}};
    EXPECT_NE(text.find("mute = yes"), text.npos) << text;

    // A change still waiting is written by whatever ends the game.
    onKeyboard('m', 0, 0);
    onKeyboardUp('m', 0, 0);
    keepPendingSettings();
    std::ifstream rewritten(settings);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(rewritten), {}).find("mute = no"),
              std::string::npos);
}

TEST(FrameClock, MeasuresTheTimeBetweenTicksCappedAt30Milliseconds) {
    startFreshProcess();

    // The first tick measures from GLUT's start.
    fakeGl().elapsedMs = 250;
    tickClock();
    EXPECT_EQ(elapsedMs, 250);
    EXPECT_EQ(lastTickMs, 250);
    EXPECT_EQ(frameDelta, 0.03f);

    fakeGl().elapsedMs = 266;
    tickClock();
    EXPECT_EQ(frameDelta, static_cast<float>(16 / 1000.0));

    // Two ticks in the same millisecond: a zero delta, no lower bound.
    tickClock();
    EXPECT_EQ(frameDelta, 0.0f);

    // Exactly 30 ms is not above the cap; a two-second stall is.
    fakeGl().elapsedMs = 296;
    tickClock();
    EXPECT_EQ(frameDelta, static_cast<float>(0.03));
    fakeGl().elapsedMs = 2296;
    tickClock();
    EXPECT_EQ(frameDelta, 0.03f);
    EXPECT_EQ(elapsedMs, 2296);

    // One millisecond stored in single precision lies just above 0.001.
    fakeGl().elapsedMs = 2297;
    tickClock();
    EXPECT_GT(static_cast<double>(frameDelta), 0.001);
    EXPECT_FLOAT_EQ(nowSeconds(), 2.297f);

    // GLUT's int wraps after 24.8 days; the game's clock runs on across it.
    fakeGl().elapsedMs = INT32_MAX - 9;
    tickClock();
    const std::int64_t beforeWrap = elapsedMs;
    fakeGl().elapsedMs = INT32_MIN + 10;
    tickClock();
    EXPECT_EQ(elapsedMs - beforeWrap, 20);
    EXPECT_EQ(frameDelta, static_cast<float>(20 / 1000.0));
}

} // namespace
