#include "entity_fixture.h"
#include "game/entities/snow_field.h"
#include "gfx/picture_paths.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using SnowFieldEntity = EntityTest;

// A field with its warm-up snow taken away, for tests that follow single flakes.
void clearSky(SnowField& field) {
    for (Snowflake* flake : field.flakes) {
        delete flake;
    }
    field.flakes.clear();
    field.spawnTimer = 0;
}

TEST_F(SnowFieldEntity, WarmsUpWith401StepsMaking133FlakesOfFourDrawsEach) {
    const SnowField field;

    EXPECT_EQ(randomState, randomStateAfterDraws(133 * 4));
    // The last flake came at step 399 and has moved three steps since.
    EXPECT_NEAR(field.spawnTimer, 0.1, 1e-6);
    EXPECT_NEAR(field.flakes.back()->age, 0.15, 1e-6);
    EXPECT_NEAR(field.flakes.back()->position.y, 330 - 0.15 * field.flakes.back()->fallSpeed, 1e-3);
}

TEST_F(SnowFieldEntity, StartsSpreadOverTheWholeHeightInCreationOrder) {
    const SnowField field;

    ASSERT_GE(field.flakes.size(), 85u);
    ASSERT_LE(field.flakes.size(), 95u);
    EXPECT_LT(field.spawnTimer, 0.15f);
    float previousAge = 1e9f;
    for (const Snowflake* flake : field.flakes) {
        EXPECT_GE(flake->position.y, -330);
        EXPECT_LT(flake->age, previousAge);
        previousAge = flake->age;
    }
    EXPECT_LT(field.flakes.front()->position.y, -250);
}

TEST_F(SnowFieldEntity, AFlakeTakesQuarterSizeXAndSwaySideFromFourDrawsInThatOrder) {
    SnowField field;
    clearSky(field);
    randomState = 1; // next draws: 41, 18467, 6334, 26500

    field.spawn();

    ASSERT_EQ(field.flakes.size(), 1u);
    const Snowflake& flake = *field.flakes[0];
    EXPECT_EQ(flake.texOffset[0], 0); // 41 % 3 = 2: the bottom-left quarter
    EXPECT_EQ(flake.texOffset[1], 0.5f);
    EXPECT_EQ(flake.texScale[0], 0.5f);
    EXPECT_EQ(flake.texScale[1], 0.5f);
    EXPECT_EQ(flake.texWindow, 1);
    EXPECT_EQ(flake.scale.x, 17);
    EXPECT_EQ(flake.scale.y, 17);
    EXPECT_EQ(flake.position.x, 334);
    EXPECT_EQ(flake.position.y, 330);
    EXPECT_EQ(flake.swayCentreX, 334);
    EXPECT_EQ(flake.swayAmplitude, 43); // 26500 is even: sways right first
    EXPECT_EQ(flake.fallSpeed, 48.6f);
    EXPECT_EQ(flake.swayFrequency, 0.13f);
    EXPECT_EQ(flake.age, 0);
    EXPECT_EQ(flake.colour[3], 0.8f);
    EXPECT_EQ(flake.texture->path, pictures::snowflake);
    EXPECT_EQ(randomState, randomStateAfterDraws(4));

    // The third flake draws 26962, 24464, 5705 and the odd 28145.
    field.spawn();
    field.spawn();
    const Snowflake& third = *field.flakes[2];
    EXPECT_EQ(third.texOffset[0], 0.5f); // the top-right quarter
    EXPECT_EQ(third.texOffset[1], 0);
    EXPECT_EQ(third.scale.x, 14);
    EXPECT_EQ(third.position.x, -295);
    EXPECT_EQ(third.swayAmplitude, -46);
}

TEST_F(SnowFieldEntity, EveryFlakeStaysWithinItsRanges) {
    SnowField field;
    bool swaysLeft = false;
    bool swaysRight = false;
    for (int frame = 0; frame < 1000; ++frame) {
        field.update(0.03f);
    }

    for (const Snowflake* flake : field.flakes) {
        EXPECT_GE(std::abs(flake->swayAmplitude), 31);
        EXPECT_LE(std::abs(flake->swayAmplitude), 50);
        swaysLeft = swaysLeft || flake->swayAmplitude < 0;
        swaysRight = swaysRight || flake->swayAmplitude > 0;
        EXPECT_GE(flake->fallSpeed, 46.2f);
        EXPECT_LE(flake->fallSpeed, 50);
        EXPECT_GE(flake->swayFrequency, 0.01f);
        EXPECT_LE(flake->swayFrequency, 0.2f);
        EXPECT_FALSE(flake->texOffset[0] == 0.5f && flake->texOffset[1] == 0.5f);
        EXPECT_LE(std::abs(flake->position.x - flake->swayCentreX), std::abs(flake->swayAmplitude));
        EXPECT_GE(flake->swayCentreX, -400);
        EXPECT_LE(flake->swayCentreX, 399);
    }
    EXPECT_TRUE(swaysLeft);
    EXPECT_TRUE(swaysRight);
}

TEST_F(SnowFieldEntity, ALongFrameMakesSeveralFlakesAndMovesThemAtOnce) {
    SnowField field;
    clearSky(field);

    field.update(0.35f);
    ASSERT_EQ(field.flakes.size(), 2u);
    EXPECT_NEAR(field.spawnTimer, 0.05, 1e-6);
    for (const Snowflake* flake : field.flakes) {
        EXPECT_EQ(flake->age, 0.35f);
        EXPECT_EQ(flake->position.y, 330 - 0.35f * flake->fallSpeed);
    }
}

TEST_F(SnowFieldEntity, A045StepFallsJustShortOfTheThirdFlake) {
    SnowField field;
    clearSky(field);

    // 0.45 in single precision is 0.44999998..., a hair under three periods.
    field.update(0.45f);
    EXPECT_EQ(field.flakes.size(), 2u);
    EXPECT_LT(field.spawnTimer, 0.15f);
    EXPECT_GT(field.spawnTimer, 0.1499f);

    field.update(0.001f);
    EXPECT_EQ(field.flakes.size(), 3u);
}

TEST_F(SnowFieldEntity, AZeroStepOnlyRecomputesTheSway) {
    SnowField field;
    const float timer = field.spawnTimer;
    const std::size_t count = field.flakes.size();
    const Snowflake& flake = *field.flakes[10];
    const float age = flake.age;
    const float y = flake.position.y;
    const float x = flake.position.x;
    field.flakes[10]->position.x = 999;

    field.update(0);

    EXPECT_EQ(field.flakes.size(), count);
    EXPECT_EQ(field.spawnTimer, timer);
    EXPECT_EQ(flake.age, age);
    EXPECT_EQ(flake.position.y, y);
    EXPECT_EQ(flake.position.x, x);
}

TEST_F(SnowFieldEntity, AFlakeLeavesOnlyBelowMinus330AndTheRestKeepTheirOrder) {
    SnowField field;
    clearSky(field);
    for (int i = 0; i < 3; ++i) {
        field.spawn();
        field.flakes[i]->fallSpeed = 100;
    }
    Snowflake* first = field.flakes[0];
    Snowflake* last = field.flakes[2];
    field.flakes[0]->position.y = -320; // lands exactly on -330
    field.flakes[1]->position.y = -325; // passes it
    field.flakes[2]->position.y = -300;

    field.update(0.1f);

    ASSERT_EQ(field.flakes.size(), 2u);
    EXPECT_EQ(field.flakes[0], first);
    EXPECT_EQ(field.flakes[0]->position.y, -330);
    EXPECT_EQ(field.flakes[1], last);

    field.update(0.1f);
    ASSERT_EQ(field.flakes.size(), 2u); // and a new one at the top
    EXPECT_EQ(field.flakes[0], last);
    EXPECT_GT(field.flakes[1]->position.y, 300);
}

TEST_F(SnowFieldEntity, DrawsEveryFlakeOldestFirst) {
    SnowField field;
    takeCalls();

    field.draw();

    const std::vector<std::string> calls = takeCalls();
    EXPECT_EQ(countCalls(calls, "glCallList"), static_cast<long>(field.flakes.size()));
    EXPECT_EQ(countCalls(calls, "glBindTexture"), 1);
    const Snowflake& oldest = *field.flakes.front();
    char firstMove[96];
    std::snprintf(firstMove, sizeof firstMove, "glTranslatef(%g, %g, 0)", oldest.position.x,
                  oldest.position.y);
    const auto firstTranslate = std::find_if(calls.begin(), calls.end(), [](const std::string& c) {
        return c.rfind("glTranslatef", 0) == 0;
    });
    ASSERT_NE(firstTranslate, calls.end());
    EXPECT_EQ(*firstTranslate, firstMove);
}

} // namespace
