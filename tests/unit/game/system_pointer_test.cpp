#include "live_game.h"
#include "screens/end_state.h"

#include <gmock/gmock.h>

namespace {

using SystemPointer = LiveGame;

TEST_F(SystemPointer, IsHiddenWhileTheGlassIsThePointerAndBackForTheResultScreen) {
    EXPECT_THAT(takeCalls(), ::testing::Contains("glutSetCursor(GLUT_CURSOR_NONE)"));
    EndState result("result");
    result.enter(&game);
    EXPECT_THAT(takeCalls(), ::testing::Contains("glutSetCursor(GLUT_CURSOR_INHERIT)"));
}

} // namespace
