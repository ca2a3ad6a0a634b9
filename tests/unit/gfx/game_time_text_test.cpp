#include "gfx/digit_text.h"

#include <gtest/gtest.h>

TEST(GameTimeText, ReadsMinutesTwoDigitSecondsAndCutTenthsOrDashesForNoTime) {
    EXPECT_EQ(gameTimeText(102345), "1:42.3");
    EXPECT_EQ(gameTimeText(65000), "1:05.0");
    EXPECT_EQ(gameTimeText(59999), "0:59.9");
    EXPECT_EQ(gameTimeText(240000), "4:00.0");
    EXPECT_EQ(gameTimeText(0), "-:--.-");
    EXPECT_EQ(gameTimeText(-5000), "-:--.-");
}
