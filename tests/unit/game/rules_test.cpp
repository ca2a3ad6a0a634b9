#include "aiming.h"
#include "game_sounds.h"
#include "live_game.h"
#include "random_draws.h"
#include "screens/end_state.h"

#include <gmock/gmock.h>

#include <cmath>

using ::testing::ElementsAre;

namespace {

using Clock = LiveGame;

TEST_F(Clock, AFrameInWhichTheClockDidNotMoveChangesNothingEvenAfterSunset) {
    elapsedMs = 300000;
    frameDelta = 0;
    const float sunY = game.sun.position.y;
    const float flakeY = game.snow->flakes.front()->position.y;
    game.update();
    EXPECT_EQ(currentState, &game);
    EXPECT_EQ(game.sun.position.y, sunY);
    EXPECT_EQ(game.snow->flakes.front()->position.y, flakeY);

    // The next frame that does advance notices the loss.
    frame(1);
    EXPECT_EQ(currentState, &endState);
}

TEST_F(Clock, TheGameIsLostTheMomentTheSunSetsBeforeAnythingMoves) {
    frameAtProgress(0.999);
    EXPECT_EQ(currentState, &game);

    const float sunY = game.sun.position.y;
    const float shadowX = game.shadows.front()->position.x;
    game.won = 1;
    frameAtProgress(1.0);
    EXPECT_EQ(currentState, &endState);
    EXPECT_EQ(game.won, 0);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/lose.jpg");
    EXPECT_EQ(game.sun.position.y, sunY);
    EXPECT_EQ(game.shadows.front()->position.x, shadowX);
}

TEST_F(Clock, TheSunSinksAndGrowsWhileTheDuskFadesInAndDarkens) {
    struct Expected {
        double progress;
        float sunY;
        float sunSize;
        float alpha;
        float red;
    };
    const Expected table[] = {
        {0.0, 300, 105, 0, 4.0f},      // before 0.75 the colour runs above the tint
        {0.5, 150, 175, 0, 2.0f},      // still no tint at half time
        {0.75, 75, 210, 0.396f, 1.0f}, // the tint's own colour
        {0.999, 0.3f, 244.86f, 0.66f, 0.004f},
    };
    for (const Expected& row : table) {
        frameAtProgress(row.progress);
        SCOPED_TRACE(row.progress);
        EXPECT_NEAR(game.sun.position.y, row.sunY, 1e-3);
        EXPECT_NEAR(game.sun.scale.x, row.sunSize, 1e-3);
        EXPECT_EQ(game.sun.scale.x, game.sun.scale.z);
        EXPECT_NEAR(game.duskOverlay.colour[3], row.alpha, 1e-5);
        EXPECT_NEAR(game.duskOverlay.colour[0], row.red, 1e-5);
        EXPECT_NEAR(game.duskOverlay.colour[1], row.red * 0.545f, 1e-5);
    }
    // The tint's opacity stops growing at 0.55 + 1/3.
    frameAtProgress(0.9);
    EXPECT_FLOAT_EQ(game.duskOverlay.colour[3], 0.66f);
}

TEST_F(Clock, TheSunsHeightAndSizeAreWorkedOutInSinglePrecision) {
    // 13.863 s in, where double precision would round to 282.671234 and
    // 113.086754 instead.
    elapsedMs = 23843;
    frame(20);
    EXPECT_EQ(game.sun.position.y, 282.671265f);
    EXPECT_EQ(game.sun.scale.y, 113.086746f);
}

using Focus = LiveGame;

TEST_F(Focus, AtDawnTheGlassAbove320By125FocusesOntoTheFirstBranch) {
    pointAt(320, 125);
    EXPECT_EQ(game.magnifier.position.x, -80);
    EXPECT_EQ(game.magnifier.position.y, 195);
    press();
    game.lastDropMs = -1000;
    frameAtProgress(0.0);
    EXPECT_EQ(game.ray->lensBottom.y, 200);
    EXPECT_EQ(game.ray->lensTop.y, 220);
    EXPECT_NEAR(game.ray->focus.x, -106.57, 0.01);
    EXPECT_NEAR(game.ray->focus.y, 180.10, 0.01);
    ASSERT_EQ(game.drops.size(), 1u);
    ASSERT_EQ(game.icicles.size(), 1u);
    EXPECT_EQ(game.drops[0]->position.y, game.ray->focus.y);
}

TEST_F(Focus, AtHalfTimeTheSameGlassReachesTheSecondBranch) {
    pointAt(320, 125);
    press();
    frameAtProgress(0.5);
    EXPECT_NEAR(game.ray->focus.x, -112, 1e-3);
    EXPECT_NEAR(game.ray->focus.y, 234, 1e-3);
    EXPECT_EQ(game.drops.size(), 1u);
}

TEST_F(Focus, NothingDripsWithTheButtonUpAndTheBeamKeepsItsLastCorners) {
    pointAt(320, 125);
    press();
    frame(700);
    const Vec3 focus = game.ray->focus;
    release();
    pointAt(600, 500);
    frame(700);
    frame(700);
    EXPECT_EQ(game.drops.size(), 1u);
    EXPECT_EQ(game.ray->focus.x, focus.x);
    EXPECT_EQ(game.rayOn, 0);
}

// Puts the glass where the light focuses exactly on a canvas point.
void focusOn(LiveMode& game, const float x, const float y) {
    game.magnifier.position = glassFocusingOn(game.sun.position, x, y);
}

TEST_F(Focus, ABranchCountsBetweenItsEndsOnlyAndWithinTenUnits) {
    struct Case {
        float x;
        float y;
        bool drips;
    };
    const Case cases[] = {
        {-23, 153, true},     // the first branch's end point
        {-22.9f, 153, false}, // just past it, however close to the line
        {-100, 188, true},    // 8.57 from the first branch
        {-100, 190, false},   // 10.46 from the first, 25.31 from the second
    };
    press();
    for (const Case& each : cases) {
        SCOPED_TRACE(each.x);
        destroyAll(game.drops);
        frame(700); // the sun moves a little: aim after it has
        focusOn(game, each.x, each.y);
        destroyAll(game.drops);
        game.lastDropMs = 0;
        frame(1);
        EXPECT_NEAR(game.ray->focus.x, each.x, 0.01);
        EXPECT_NEAR(game.ray->focus.y, each.y, 0.01);
        EXPECT_EQ(game.drops.size(), each.drips ? 1u : 0u);
    }
}

TEST_F(Focus, DropsComeStrictlyMoreThan066SecondsApart) {
    pointAt(320, 125);
    press();
    frame(660); // 0.66 s after the game began, as the clock tells it: not yet
    EXPECT_EQ(game.drops.size(), 0u);
    frame(1);
    EXPECT_EQ(game.drops.size(), 1u);
    for (int i = 0; i < 32; ++i) {
        frame(20); // 0.64 s
    }
    frame(20); // 0.66 s since the first drop
    EXPECT_EQ(game.drops.size(), 1u);
    frame(1);
    EXPECT_EQ(game.drops.size(), 2u);
}

TEST_F(Focus, MeltWaterLengthensTheFirstIcicleWhoseReachHoldsTheTruncatedFocus) {
    pointAt(320, 125);
    press();
    frame(700);
    ASSERT_EQ(game.icicles.size(), 1u);
    ASSERT_EQ(static_cast<int>(game.ray->focus.x), -106); // about -106.7: tested as -106
    destroyAll(game.icicles);

    // Icicles 8 long (reach 5 either side) that have finished growing, placed
    // so that their reach ends just either side of -106: only the first that
    // holds -106 strictly grows.
    const float centres[] = {
        -111,    // reach ends exactly on -106
        -111.5f, // holds the focus's own x, about -106.7, but not -106
        -101.5f, // holds -106
        -106,    // holds it too, but comes later in the list
    };
    for (const float x : centres) {
        Icicle* icicle = new Icicle(Vec3{x, 150, 0});
        icicle->scale = {8, 8, 8};
        icicle->targetLength = 8;
        game.icicles.push_back(icicle);
    }
    game.lastDropMs = -1000;
    frame(1); // the sun barely moves in a millisecond
    EXPECT_EQ(game.drops.size(), 2u);
    ASSERT_EQ(game.icicles.size(), 4u);
    EXPECT_EQ(game.icicles[0]->targetLength, 8);
    EXPECT_EQ(game.icicles[1]->targetLength, 8);
    EXPECT_EQ(game.icicles[2]->targetLength, 18);
    EXPECT_EQ(game.icicles[3]->targetLength, 8);
}

TEST_F(Focus, WithNoIcicleInReachANewOneFormsAtTheFocus) {
    pointAt(320, 125);
    press();
    frame(700);
    game.icicles[0]->position.x += 200;
    frame(700);
    ASSERT_EQ(game.icicles.size(), 2u);
    EXPECT_EQ(game.icicles[1]->position.x, game.ray->focus.x);
}

TEST_F(Focus, LightHeldOnAnIcicleMeltsItEvenAwayFromTheBranches) {
    Icicle* icicle = new Icicle(Vec3{0, 0, 0});
    game.icicles.push_back(icicle);
    frame(20);
    focusOn(game, icicle->position.x, icicle->position.y);
    press();
    for (int i = 0; i < 50; ++i) {
        focusOn(game, icicle->position.x, icicle->position.y);
        frame(20);
    }
    EXPECT_EQ(game.drops.size(), 0u);
    EXPECT_NEAR(icicle->strength, 0, 1e-3); // 100 per second for one second
}

TEST_F(Focus, ALensExactlyOnTheSunFocusesNowhere) {
    frame(20);
    game.magnifier.position = {game.sun.position.x, game.sun.position.y - 15, 0};
    const Vec3 before = game.ray->focus;
    press();
    game.sun.position = {0, 300, 0};
    elapsedMs -= 20; // keep the sun where it is for this frame
    frame(20);
    EXPECT_EQ(game.ray->focus.x, before.x);
    EXPECT_EQ(game.ray->focus.y, before.y);
    EXPECT_FALSE(std::isnan(game.ray->focus.x));
    EXPECT_TRUE(game.drops.empty());
}

using Catching = LiveGame;

TEST_F(Catching, AnIcicleLandingOnTwoShadowsCatchesBothThenSplashes) {
    shadowsAt({{100, -50, 0}, {-150, -60, 0}, {116, -50, 0}, {50, -90, 0}});
    const Shadow* spared[] = {game.shadows[1], game.shadows[3]};
    looseIcicleAt({100, -50, 0}, 30);
    console();
    frame(20);

    const std::string text = console();
    EXPECT_THAT(soundsPlayed(text), ElementsAre("break", "ding", "ding", "plop"));
    ASSERT_EQ(game.shadows.size(), 2u);
    EXPECT_EQ(game.shadows[0], spared[0]); // the rest keep their order
    EXPECT_EQ(game.shadows[1], spared[1]);
    ASSERT_EQ(game.caughtFish.size(), 2u);
    EXPECT_EQ(game.caughtFish[0]->position.x, -60);
    EXPECT_EQ(game.caughtFish[1]->position.x, -20);
    EXPECT_EQ(game.caughtFish[1]->position.y, -167);
    EXPECT_EQ(game.caughtFish[1]->scale.x, 64);
    EXPECT_STREQ(game.caughtFish[0]->texture->path, "./img/fish.png");
    ASSERT_EQ(game.rings.size(), 1u);
    EXPECT_EQ(game.rings[0]->ripples[0].position.x, 100);
    EXPECT_EQ(currentState, &game);
}

TEST_F(Catching, TheCatchBoxIsTheShrunkIcicleEnlargedByAQuarter) {
    // A 30-long icicle landing in a 20 ms frame is 26 long when tested: its
    // box reaches 16.25 units either side.
    shadowsAt({{116, -50, 0}, {116.5f, -50, 0}, {84, -50, 0}, {100, -66.3f, 0}});
    const Shadow* spared[] = {game.shadows[1], game.shadows[3]};
    looseIcicleAt({100, -50, 0}, 30);
    frame(20);
    ASSERT_EQ(game.shadows.size(), 2u);
    EXPECT_EQ(game.shadows[0], spared[0]);
    EXPECT_EQ(game.shadows[1], spared[1]);
}

TEST_F(Catching, AnIcicleLandingOnBareIceSplashesAndGoesOnceShrunk) {
    shadowsAt({{-200, -50, 0}});
    Icicle* icicle = looseIcicleAt({100, -50, 0}, 30);
    console();
    frame(20);
    std::string text = console();
    EXPECT_EQ(plays(text, "plop"), 1);
    EXPECT_EQ(game.rings.size(), 1u);
    EXPECT_EQ(icicle->landed, 0);
    EXPECT_EQ(icicle->broken, 0);

    for (int i = 0; i < 10 && !game.icicles.empty(); ++i) {
        frame(20);
    }
    EXPECT_TRUE(game.icicles.empty());
    EXPECT_EQ(plays(console(), "plop"), 0);
}

TEST_F(Catching, CatchingTheLastShadowWinsAndEndsTheFrameAtOnce) {
    shadowsAt({{100, -50, 0}});
    looseIcicleAt({100, -50, 0}, 30);
    Icicle* later = looseIcicleAt({-100, -50, 0}, 30);
    Drop* drop = new Drop(Vec3{0, 100, 0});
    game.drops.push_back(drop);
    const float dropY = drop->position.y;
    console();
    frame(20);

    const std::string text = console();
    EXPECT_EQ(currentState, &endState);
    EXPECT_EQ(game.won, 1);
    EXPECT_STREQ(endState.sprite.texture->path, "./img/win.jpg");
    EXPECT_THAT(soundsPlayed(text), ElementsAre("break", "ding"));
    EXPECT_TRUE(game.rings.empty());
    EXPECT_EQ(later->broken, 2); // never updated
    EXPECT_EQ(drop->position.y, dropY);
}

TEST_F(Catching, TenFishStandInARowAlongTheShore) {
    for (int n = 0; n < 10; ++n) {
        shadowsAt({{0, -50, 0}, {300, -50, 0}});
        looseIcicleAt({0, -50, 0}, 30);
        frame(20);
        destroyAll(game.icicles);
    }
    ASSERT_EQ(game.caughtFish.size(), 10u);
    const float expected[] = {-60, -20, 20, 60, 100, 140, 180, 220, 260, 300};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(game.caughtFish[n]->position.x, expected[n]);
    }
}

using Water = LiveGame;

TEST_F(Water, EveryDropThatReachesTheIceDripsOnceAndLeavesOneRing) {
    pointAt(320, 125);
    press();
    frame(700);
    release();
    ASSERT_EQ(game.drops.size(), 1u);
    console();
    int frames = 0;
    while (!game.drops.empty() && frames < 500) {
        frame(20);
        ++frames;
    }
    const std::string text = console();
    int drips = 0;
    for (const char* name : dripSounds) {
        drips += plays(text, name);
    }
    EXPECT_EQ(drips, 1);
    EXPECT_EQ(game.rings.size(), 1u);
}

TEST_F(Water, ALandedDropPlaysTheDripOfTheNextDrawModuloFiveThenItsRingRipplesInTheSameFrame) {
    // Two drops already down on the ice, and no snowflake due this frame, so
    // the drops make the frame's first draws: 41 and 18467, drips 1 and 2.
    game.drops.push_back(new Drop(Vec3{-20, -80, 0}));
    game.drops.push_back(new Drop(Vec3{30, -80, 0}));
    game.snow->spawnTimer = 0;
    randomState = 1;
    console();
    frame(20);

    EXPECT_THAT(soundsPlayed(console()), ElementsAre("drip1", "drip2"));
    EXPECT_EQ(randomState, randomStateAfterDraws(2));
    ASSERT_EQ(game.rings.size(), 2u);
    EXPECT_EQ(game.rings[0]->ripples[0].position.x, -20);
    EXPECT_EQ(game.rings[1]->ripples[0].position.x, 30);
    // The rings' phase comes after the drops': a ring made this frame has
    // already aged by the frame.
    EXPECT_EQ(game.rings[0]->age, 0.02f);
}

TEST_F(Water, RingsGoOnceTheyReachThreeSeconds) {
    game.rings.push_back(new Ring(Vec3{0, -50, 0}));
    for (int i = 0; i < 145; ++i) {
        frame(20);
    }
    EXPECT_EQ(game.rings.size(), 1u); // 2.9 s
    for (int i = 0; i < 6; ++i) {
        frame(20);
    }
    EXPECT_TRUE(game.rings.empty());
}

} // namespace
