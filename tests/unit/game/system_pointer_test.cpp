#include "live_game.h"
#include "screens/end_state.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::Not;

namespace {

using SystemPointer = LiveGame;

TEST_F(SystemPointer, IsHiddenWhileTheGlassIsThePointerAndBackForTheResultScreen) {
    EXPECT_THAT(takeCalls(), Contains("glutSetCursor(GLUT_CURSOR_NONE)"));
    EndState result("result");
    result.enter(&game);
    const auto calls = takeCalls();
    EXPECT_THAT(calls, Contains("glutSetCursor(GLUT_CURSOR_INHERIT)"));
    EXPECT_THAT(calls, Not(Contains("glutSetCursor(GLUT_CURSOR_NONE)")));
}

} // namespace
