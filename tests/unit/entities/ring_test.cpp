#include "entity_fixture.h"
#include "game/entities/ring.h"
#include "gfx/picture_paths.h"

#include <string>
#include <vector>

namespace {

using RingEntity = EntityTest;

TEST_F(RingEntity, FourRipplesStartAtThePointWithoutDrawingRandomValues) {
    const Ring ring({12, -60, 1});

    EXPECT_EQ(ring.age, 0);
    for (const Sprite& ripple : ring.ripples) {
        EXPECT_EQ(ripple.position.x, 12);
        EXPECT_EQ(ripple.position.y, -60);
        EXPECT_EQ(ripple.position.z, 1);
        EXPECT_EQ(ripple.scale.x, 1);
        EXPECT_EQ(ripple.texture->path, pictures::ring);
    }
    EXPECT_EQ(randomState, 1u);
}

TEST_F(RingEntity, HalfASecondInTwoRipplesShowAtTheirOwnSizeAndFade) {
    Ring ring({0, 0, 0});

    ring.update(0.5f);

    EXPECT_FALSE(ring.ripples[0].hidden);
    EXPECT_NEAR(ring.ripples[0].scale.x, 16.6667, 1e-4);
    EXPECT_NEAR(ring.ripples[0].colour[3], 0.66667, 1e-5);
    EXPECT_FALSE(ring.ripples[1].hidden);
    EXPECT_NEAR(ring.ripples[1].scale.y, 5.6667, 1e-4);
    EXPECT_NEAR(ring.ripples[1].colour[3], 0.88667, 1e-5);
    EXPECT_TRUE(ring.ripples[2].hidden);
    EXPECT_TRUE(ring.ripples[3].hidden);
    // Only the alpha fades; the tint stays white.
    EXPECT_EQ(ring.ripples[1].colour[0], 1);
}

TEST_F(RingEntity, EachRippleWaitsItsTurnOfAThirdOfASecond) {
    Ring ring({0, 0, 0});

    ring.update(0.32f);
    EXPECT_TRUE(ring.ripples[1].hidden);

    // 0.33 in single precision lies a hair past the double 0.33.
    Ring onTheDot({0, 0, 0});
    onTheDot.update(0.33f);
    EXPECT_FALSE(onTheDot.ripples[1].hidden);
    EXPECT_NEAR(onTheDot.ripples[1].scale.x, 0, 1e-6);
    EXPECT_TRUE(onTheDot.ripples[2].hidden);

    ring.update(0.35f);
    EXPECT_FALSE(ring.ripples[2].hidden);
    EXPECT_TRUE(ring.ripples[3].hidden);

    ring.update(0.33f);
    EXPECT_FALSE(ring.ripples[3].hidden);
}

TEST_F(RingEntity, AgeStopsAtThreeWithEveryRippleFadedOut) {
    Ring ring({0, 0, 0});

    ring.update(2.0f);
    ring.update(50.0f);
    EXPECT_EQ(ring.age, 3);
    ring.update(0.03f);
    EXPECT_EQ(ring.age, 3);

    for (const Sprite& ripple : ring.ripples) {
        EXPECT_FALSE(ripple.hidden);
        EXPECT_EQ(ripple.colour[3], 0);
    }
    EXPECT_NEAR(ring.ripples[0].scale.x, 100, 1e-4);
}

TEST_F(RingEntity, HiddenRipplesDrawNothing) {
    Ring ring({0, 0, 0});
    ring.update(0.5f);
    takeCalls();

    ring.draw();

    const std::vector<std::string> calls = takeCalls();
    EXPECT_EQ(countCalls(calls, "glCallList"), 2);
    EXPECT_EQ(countCalls(calls, "glColor4fv(1, 1, 1, 0.66"), 1);
    EXPECT_EQ(countCalls(calls, "glColor4fv(1, 1, 1, 0.88"), 1);
    // Both share one picture: bound once.
    EXPECT_EQ(countCalls(calls, "glBindTexture"), 1);
}

} // namespace
