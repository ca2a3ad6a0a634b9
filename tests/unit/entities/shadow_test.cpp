#include "entity_fixture.h"
#include "game/entities/shadow.h"
#include "gfx/picture_paths.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using ShadowEntity = EntityTest;

TEST_F(ShadowEntity, TheRunsFirstShadowTakesItsShapeAndStartFromFourDrawsInThatOrder) {
    const Shadow shadow; // draws 41, 18467, 6334, 26500

    EXPECT_EQ(randomState, randomStateAfterDraws(4));
    EXPECT_EQ(shadow.scale.x, 31);
    EXPECT_EQ(shadow.scale.z, 31);
    EXPECT_FLOAT_EQ(shadow.angularSpeed, 0.6451613f);
    EXPECT_EQ(shadow.radiusY, 23);
    EXPECT_EQ(shadow.radiusX, 236);
    EXPECT_FLOAT_EQ(shadow.phase, 5.081462f);

    // On its ellipse, below and right of the origin, and turned along the
    // line from the origin: a downward move, so 180 minus the angle.
    EXPECT_NEAR(shadow.position.x, 97.637, 1e-3);
    EXPECT_NEAR(shadow.position.y, -79.251, 1e-3);
    EXPECT_EQ(shadow.position.z, 0);
    EXPECT_NEAR(shadow.rotation, 140.934, 1e-2);

    EXPECT_EQ(shadow.texture->path, pictures::shadow);
    EXPECT_EQ(shadow.colour[3], 0.5f);
}

TEST_F(ShadowEntity, TenShadowsUseExactlyFortyRandomValues) {
    std::vector<std::unique_ptr<Shadow>> shadows;
    for (int i = 0; i < 10; ++i) {
        shadows.push_back(std::make_unique<Shadow>());
    }

    EXPECT_EQ(randomState, randomStateAfterDraws(40));
}

TEST_F(ShadowEntity, AZeroStepNeitherMovesNorTurnsIt) {
    Shadow shadow;
    shadow.rotation = 33;
    const Vec3 before = shadow.position;
    const float phase = shadow.phase;

    shadow.update(0);

    EXPECT_EQ(shadow.phase, phase);
    EXPECT_EQ(shadow.position.x, before.x);
    EXPECT_EQ(shadow.position.y, before.y);
    EXPECT_EQ(shadow.rotation, 33);
}

TEST_F(ShadowEntity, BigShadowsCircleSlowerAndCounterClockwise) {
    Shadow shadow;
    shadow.phase = 0;
    shadow.update(0);
    const Vec3 start = shadow.position;

    shadow.update(0.03f);

    EXPECT_FLOAT_EQ(shadow.phase, 20.0f / 31 * 0.03f);
    EXPECT_GT(shadow.position.y, start.y);
    EXPECT_LT(shadow.position.x, start.x);
}

// Puts the shadow at the right end of its ellipse, standing still there, as
// if it had just come from `offset` away, and returns how it turned.
float headingAfterArrivingFrom(Shadow& shadow, const float dx, const float dy) {
    shadow.angularSpeed = 0;
    shadow.phase = 0;
    shadow.rotation = -1;
    const float arrivalX = shadow.radiusX + 12.5f;
    const float arrivalY = float(-57.8);
    shadow.position = {arrivalX - dx, arrivalY - dy, 0};
    shadow.update(0.02f);
    return shadow.rotation;
}

TEST_F(ShadowEntity, FacesAlongItsPathWithinZeroTo180Degrees) {
    Shadow shadow;

    EXPECT_EQ(headingAfterArrivingFrom(shadow, 10, 0), 0);
    // The conversion uses 3.14159 but the arc cosine the exact pi.
    EXPECT_FLOAT_EQ(headingAfterArrivingFrom(shadow, 0, 10), 90.00008f);
    EXPECT_FLOAT_EQ(headingAfterArrivingFrom(shadow, -10, 0), 180.00015f);
    // Moving down mirrors the angle: 180 - a, never a negative angle.
    EXPECT_FLOAT_EQ(headingAfterArrivingFrom(shadow, 0, -10), 180 - 90.00008f);
    EXPECT_NEAR(headingAfterArrivingFrom(shadow, 10, -10), 135, 1e-3);
    EXPECT_NEAR(headingAfterArrivingFrom(shadow, -10, -10), 45, 1e-3);
}

TEST_F(ShadowEntity, KeepsItsHeadingWhenItMovesLessThanAHundredthOfAUnit) {
    Shadow shadow;

    EXPECT_EQ(headingAfterArrivingFrom(shadow, 0.009f, 0.0f), -1);
    EXPECT_EQ(headingAfterArrivingFrom(shadow, 0.0f, 0.011f), 90.00008f);
}

TEST_F(ShadowEntity, AngleBetweenOppositeVectorsIsPiEvenWhenRoundingOvershoots) {
    // For this pair the rounded cosine comes out just below -1.
    const Vec3 u{-81.53228f, -20.6838531f, 0};
    const Vec3 v{81.53228f, 20.6838531f, 0};

    EXPECT_EQ(angleBetween(u, v), float(3.14159265358979323846));
    EXPECT_EQ(angleBetween(v, v), 0);
    EXPECT_FLOAT_EQ(angleBetween({0, 3, 0}, {2, 0, 0}), float(3.14159265358979323846 / 2));
}

TEST_F(ShadowEntity, EveryPathStaysInsideItsBandOfTheLake) {
    std::vector<std::unique_ptr<Shadow>> shadows;
    for (int i = 0; i < 60; ++i) {
        shadows.push_back(std::make_unique<Shadow>());
    }

    for (int frame = 0; frame < 600; ++frame) {
        for (auto& shadow : shadows) {
            shadow->update(0.03f);
            ASSERT_GE(shadow->position.x, -237.5f);
            ASSERT_LE(shadow->position.x, 262.5f);
            ASSERT_GE(shadow->position.y, -97.8f);
            ASSERT_LE(shadow->position.y, -17.8f);
            // Turning by 180 / 3.14159 lets "180 - a" dip a hair below 0.
            ASSERT_GE(shadow->rotation, -0.0002f);
            ASSERT_LE(shadow->rotation, 180.0002f);
        }
    }
}

} // namespace
