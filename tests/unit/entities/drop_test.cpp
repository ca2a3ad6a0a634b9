#include "entity_fixture.h"
#include "game/entities/drop.h"
#include "gfx/picture_paths.h"

#include <string>

namespace {

using DropEntity = EntityTest;

TEST_F(DropEntity, StartsSmallAtThePointWithOneDrawForItsLandingHeight) {
    const Drop drop({-106.5f, 180.25f, 3});

    EXPECT_EQ(drop.position.x, -106.5f);
    EXPECT_EQ(drop.position.y, 180.25f);
    EXPECT_EQ(drop.position.z, 3);
    EXPECT_EQ(drop.scale.x, 1);
    EXPECT_EQ(drop.landY, -59); // the first draw, 41
    EXPECT_EQ(drop.hangTime, 0.6f);
    EXPECT_EQ(randomState, randomStateAfterDraws(1));
    EXPECT_EQ(drop.texture->path, pictures::drop);
}

TEST_F(DropEntity, SwellsToExactlySixteenAndStaysThere) {
    Drop drop({0, 100, 0});

    for (int frame = 0; frame < 12; ++frame) {
        drop.update(0.03f);
    }
    EXPECT_NEAR(drop.scale.x, 1 + 12 * 1.2, 1e-4);

    drop.update(0.03f);
    EXPECT_EQ(drop.scale.x, 16);
    EXPECT_EQ(drop.scale.y, 16);
    EXPECT_EQ(drop.scale.z, 16);

    drop.update(0.03f);
    EXPECT_EQ(drop.scale.x, 16);
}

TEST_F(DropEntity, AZeroStepChangesNothing) {
    Drop drop({5, 100, 0});

    drop.update(0);

    EXPECT_EQ(drop.scale.x, 1);
    EXPECT_EQ(drop.hangTime, 0.6f);
    EXPECT_EQ(drop.position.y, 100);
}

TEST_F(DropEntity, CreepsWhileClingingThenFallsPastItsLandingHeight) {
    Drop drop({0, 100, 0});

    drop.update(0.5f);
    EXPECT_FLOAT_EQ(drop.position.y, 100 - 35 * 0.5f);
    EXPECT_NEAR(drop.hangTime, 0.1, 1e-6);

    drop.update(0.2f);
    EXPECT_FLOAT_EQ(drop.position.y, 82.5f - 325 * 0.2f);

    float before = drop.position.y;
    while (drop.position.y > drop.landY) {
        before = drop.position.y;
        drop.update(0.03f);
    }
    // It is not stopped at the ice: the game removes it where it ended up.
    EXPECT_LT(drop.position.y, drop.landY);
    EXPECT_FLOAT_EQ(drop.position.y, before - 325 * 0.03f);

    const float landedAt = drop.position.y;
    drop.update(0.03f);
    EXPECT_EQ(drop.position.y, landedAt);
}

TEST_F(DropEntity, MadeBelowItsLandingHeightItOnlySwells) {
    Drop drop({0, -80, 0});

    drop.update(0.03f);
    drop.update(1.0f);

    EXPECT_EQ(drop.position.y, -80);
    EXPECT_EQ(drop.scale.x, 16);
}

} // namespace
