#include "entity_fixture.h"
#include "game/entities/icicle.h"
#include "gfx/picture_paths.h"

#include <string>

namespace {

using IcicleEntity = EntityTest;

// A hanging icicle of the given length, its top at y 100.
Icicle hangingIcicle(const float length) {
    Icicle icicle({0, 110, 0});
    icicle.targetLength = length;
    icicle.update(length / 15);
    return icicle;
}

TEST_F(IcicleEntity, HangsTenBelowThePointAsATinyIcicleAboutToGrow) {
    const Icicle icicle({-100.25f, 188, 4});

    EXPECT_EQ(randomState, randomStateAfterDraws(1));
    EXPECT_EQ(icicle.landY, -59); // the first draw, 41
    EXPECT_EQ(icicle.strength, 100);
    EXPECT_EQ(icicle.targetLength, 11);
    EXPECT_EQ(icicle.broken, 2);
    EXPECT_EQ(icicle.landed, 2);

    EXPECT_EQ(icicle.anchorY, 178);
    EXPECT_EQ(icicle.scale.x, 1);
    EXPECT_EQ(icicle.position.x, -100.25f);
    EXPECT_EQ(icicle.position.y, 177.5f);
    EXPECT_EQ(icicle.position.z, 0);

    // At full strength the cracked top sixth of the picture is left out. The
    // picture is the one the title screen loaded ahead, not a second copy.
    EXPECT_EQ(icicle.texture->path, pictures::icicle);
    EXPECT_EQ(icicle.texWindow, 1);
    EXPECT_EQ(icicle.texOffset[0], 0);
    EXPECT_EQ(icicle.texOffset[1], 0.16f);
    EXPECT_EQ(icicle.texScale[0], 1);
    EXPECT_EQ(icicle.texScale[1], 0.84f);
}

TEST_F(IcicleEntity, GrowingRaisesTheTargetByTenUpToSeventy) {
    Icicle icicle({0, 100, 0});

    for (const float expected : {21, 31, 41, 51, 61, 70, 70}) {
        icicle.grow();
        EXPECT_EQ(icicle.targetLength, expected);
    }
}

TEST_F(IcicleEntity, LengthensDownwardTowardItsTargetWithItsTopFixed) {
    Icicle icicle({0, 110, 0});

    icicle.update(0.5f);
    EXPECT_EQ(icicle.scale.x, 8.5f);
    EXPECT_EQ(icicle.scale.y, 8.5f);
    EXPECT_EQ(icicle.position.y, 100 - 4.25f);

    icicle.update(1.0f);
    EXPECT_EQ(icicle.scale.x, 11);
    EXPECT_EQ(icicle.position.y + icicle.scale.y / 2, icicle.anchorY);

    icicle.update(1.0f);
    EXPECT_EQ(icicle.scale.x, 11);
}

TEST_F(IcicleEntity, WeakeningShowsMoreOfThePicture) {
    Icicle icicle({0, 110, 0});

    icicle.strength = 50;
    icicle.update(0);
    EXPECT_NEAR(icicle.texOffset[1], 0.08, 1e-8);
    EXPECT_NEAR(icicle.texScale[1], 0.92, 1e-7);

    icicle.strength = 0.5f;
    icicle.update(0);
    EXPECT_NEAR(icicle.texOffset[1], 0.0008, 1e-7);
    EXPECT_NEAR(icicle.texScale[1], 0.9992, 1e-7);
}

TEST_F(IcicleEntity, BreaksLooseAtStrengthExactlyZeroAndFalls) {
    Icicle icicle = hangingIcicle(30);
    const float hungAt = icicle.position.y;
    const float offset = icicle.texOffset[1];

    icicle.strength = 0;
    icicle.update(0.02f);

    EXPECT_EQ(icicle.broken, 1);
    EXPECT_EQ(icicle.landed, 2);
    EXPECT_FLOAT_EQ(icicle.position.y, hungAt - 325 * 0.02f);
    EXPECT_EQ(icicle.scale.y, 30);
    EXPECT_EQ(icicle.texOffset[1], offset);

    // The event is raised once: after the game handles it, it stays handled.
    icicle.broken = 0;
    icicle.update(0.02f);
    EXPECT_EQ(icicle.broken, 0);
}

TEST_F(IcicleEntity, LandsOnceThenMeltsAwayFromTheBottomUntilTwoOrLess) {
    Icicle icicle = hangingIcicle(30);
    const float offset = icicle.texOffset[1];
    icicle.strength = -3;
    while (icicle.landY < icicle.position.y) {
        icicle.update(0.03f);
        EXPECT_EQ(icicle.landed, 2);
    }
    const float restingY = icicle.position.y;
    const float windowHeight = icicle.texScale[1];

    icicle.update(0.02f);
    EXPECT_EQ(icicle.landed, 1);
    EXPECT_EQ(icicle.scale.x, 26);
    EXPECT_EQ(icicle.scale.y, 26);
    EXPECT_FLOAT_EQ(icicle.texScale[1], windowHeight - 0.05f);
    EXPECT_EQ(icicle.texOffset[1], offset);
    EXPECT_EQ(icicle.position.y, restingY);

    icicle.landed = 0;
    icicle.update(0.1f);
    EXPECT_EQ(icicle.landed, 0);
    EXPECT_EQ(icicle.scale.y, 6);

    icicle.update(0.03f);
    EXPECT_EQ(icicle.scale.y, 0);
    const float leftOver = icicle.texScale[1];
    icicle.update(0.03f);
    EXPECT_EQ(icicle.scale.y, 0);
    EXPECT_EQ(icicle.texScale[1], leftOver);
}

TEST_F(IcicleEntity, BreakingLooseAlreadyOnTheIceLandsInTheSameUpdate) {
    Icicle icicle = hangingIcicle(30);
    icicle.position.y = icicle.landY;
    icicle.strength = -1;

    icicle.update(0.02f);

    EXPECT_EQ(icicle.broken, 1);
    EXPECT_EQ(icicle.landed, 1);
    EXPECT_EQ(icicle.scale.y, 26);
}

TEST_F(IcicleEntity, ATinyIcicleThatFallsNeverCountsAsLanded) {
    Icicle icicle({0, -60, 0}); // length 1, already below most landing heights
    icicle.position.y = icicle.landY;
    icicle.strength = 0;

    icicle.update(0.02f);

    EXPECT_EQ(icicle.broken, 1);
    EXPECT_EQ(icicle.landed, 2);
    EXPECT_EQ(icicle.scale.y, 1);
}

TEST_F(IcicleEntity, ContainsOnlyPointsStrictlyInsideItsEnlargedOutline) {
    Icicle icicle({0, 110, 0});
    icicle.position = {10, 20, 0};
    icicle.scale = {8, 16, 8}; // enlarged: 5 each side, 10 up and down

    EXPECT_TRUE(icicle.contains({10, 20, 500}));
    EXPECT_TRUE(icicle.contains({14.99f, 29.99f, 0}));
    EXPECT_TRUE(icicle.contains({5.01f, 10.01f, 0}));
    EXPECT_FALSE(icicle.contains({15, 20, 0}));
    EXPECT_FALSE(icicle.contains({5, 20, 0}));
    EXPECT_FALSE(icicle.contains({10, 30, 0}));
    EXPECT_FALSE(icicle.contains({10, 10, 0}));
}

} // namespace
