#include "app/state.h"
#include "fresh_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A state that writes down what it was asked, and can refuse to leave.
struct ProbeState : State {
    ProbeState(const char* name, std::vector<std::string>& log) : State(name), log(log) {}

    bool enter(State* previous) override {
        log.push_back(std::string(name) + ".enter(" + (previous ? previous->name : "null") + ")");
        currentDuringEnter = currentState;
        return enterAnswer;
    }
    bool leave(State* next) override {
        log.push_back(std::string(name) + ".leave(" + next->name + ")");
        return leaveAnswer;
    }

    std::vector<std::string>& log;
    bool enterAnswer = true;
    bool leaveAnswer = true;
    State* currentDuringEnter = nullptr;
};

class SwitchState : public ::testing::Test {
  protected:
    void SetUp() override { startFreshProcess(); }
    void TearDown() override { currentState = nullptr; }

    std::vector<std::string> log;
    ProbeState first{"first", log};
    ProbeState second{"second", log};
};

TEST_F(SwitchState, FirstSwitchEntersWithNoPreviousAndAsksNobodyToLeave) {
    EXPECT_TRUE(switchState(&first));
    EXPECT_EQ(log, (std::vector<std::string>{"first.enter(null)"}));
    EXPECT_EQ(currentState, &first);
}

TEST_F(SwitchState, LeavesTheOldStateThenEntersTheNewWhileTheOldIsStillCurrent) {
    switchState(&first);
    log.clear();

    EXPECT_TRUE(switchState(&second));
    EXPECT_EQ(log, (std::vector<std::string>{"first.leave(second)", "second.enter(first)"}));
    EXPECT_EQ(second.currentDuringEnter, &first);
    EXPECT_EQ(currentState, &second);
}

TEST_F(SwitchState, ARefusedLeaveKeepsTheCurrentStateAndNeverEntersTheNext) {
    switchState(&first);
    first.leaveAnswer = false;
    log.clear();

    EXPECT_FALSE(switchState(&second));
    EXPECT_EQ(log, (std::vector<std::string>{"first.leave(second)"}));
    EXPECT_EQ(currentState, &first);
}

TEST_F(SwitchState, AnEnterThatAnswersFalseStillBecomesCurrent) {
    second.enterAnswer = false;
    EXPECT_TRUE(switchState(&second));
    EXPECT_EQ(currentState, &second);
}

} // namespace
