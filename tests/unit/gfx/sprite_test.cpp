#include "console.h"
#include "fresh_process.h"
#include "gfx/sprite.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* lakePath = "./img/test-lake.png";
constexpr const char* treePath = "./img/test-tree.png";
constexpr const char* missingPath = "./img/missing-picture.png";

class SpriteDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        startFreshProcess();
        lake = tree = missing = plain = Sprite(); // builds the quad as list 1
        const ConsoleCapture console;
        lake.texture = getTexture(lakePath); // OpenGL name 1
        tree.texture = getTexture(treePath); // OpenGL name 2
        missing.texture = getTexture(missingPath);
        takeCalls();
    }

    // The calls that change texturing or blending, without the transform.
    static std::vector<std::string> stateChanges() {
        std::vector<std::string> result;
        for (const std::string& call : takeCalls()) {
            if (call.rfind("glEnable", 0) == 0 || call.rfind("glDisable", 0) == 0 ||
                call.rfind("glBind", 0) == 0 || call.rfind("glBlendFunc", 0) == 0) {
                result.push_back(call);
            }
        }
        return result;
    }

    Sprite lake;
    Sprite tree;
    Sprite missing;
    Sprite plain; // no texture at all
};

TEST_F(SpriteDrawing, TheSameStateTwiceMakesNoStateCalls) {
    lake.draw();
    stateChanges();
    lake.draw();
    EXPECT_THAT(stateChanges(), IsEmpty());
}

TEST_F(SpriteDrawing, SwitchesTexturingOnlyWhereItChanges) {
    plain.draw(); // untextured first: texturing was never on, nothing to do
    lake.draw();  // textured after untextured
    tree.draw();  // another picture: a bind only
    missing.draw();
    EXPECT_THAT(stateChanges(),
                ElementsAre("glEnable(GL_BLEND)",
                            "glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)",
                            "glEnable(GL_TEXTURE_2D)", "glBindTexture(GL_TEXTURE_2D, 1)",
                            "glBindTexture(GL_TEXTURE_2D, 2)", "glDisable(GL_TEXTURE_2D)"));
    EXPECT_EQ(renderCache.boundTexture, -1);
}

TEST_F(SpriteDrawing, BlendingGoesOffAndComesBackWithItsFunction) {
    lake.draw();
    stateChanges();
    Sprite opaque = lake;
    opaque.blend = 0;
    opaque.draw();
    lake.draw();
    EXPECT_THAT(stateChanges(), ElementsAre("glDisable(GL_BLEND)", "glEnable(GL_BLEND)",
                                            "glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)"));
    EXPECT_EQ(renderCache.blendEnabled, 1);
}

TEST_F(SpriteDrawing, AHiddenSpriteTouchesNothing) {
    lake.draw();
    takeCalls();
    const RenderCache before = renderCache;
    tree.hidden = 1;
    tree.blend = 0;
    tree.draw();
    EXPECT_THAT(takeCalls(), IsEmpty());
    EXPECT_EQ(renderCache.boundTexture, before.boundTexture);
    EXPECT_EQ(renderCache.blendEnabled, before.blendEnabled);
}

TEST(SpriteSetUp, TheFirstSpriteWithAContextBuildsTheQuadAndLaterOnesShareIt) {
    startFreshProcess();
    Sprite first;
    EXPECT_EQ(unitQuadList, 1u);
    takeCalls();
    Sprite second;
    EXPECT_THAT(takeCalls(), IsEmpty());

    // Before the window exists glGenLists answers 0; the next sprite retries.
    startFreshProcess();
    fakeGl().nextList = 0;
    Sprite early;
    EXPECT_EQ(unitQuadList, 0u);
    fakeGl().nextList = 7;
    Sprite later;
    EXPECT_EQ(unitQuadList, 7u);
}

TEST(SpriteSetUp, ACopySharesItsPictureAndCanTakeAnotherWithoutTouchingTheOriginal) {
    startFreshProcess();
    const ConsoleCapture console;
    Sprite original;
    EXPECT_EQ(original.setTexture(lakePath), 1);
    Sprite copy = original;
    EXPECT_EQ(copy.texture, original.texture);
    EXPECT_EQ(copy.setTexture(treePath), 2);
    EXPECT_EQ(original.texture, getTexture(lakePath));
    EXPECT_EQ(original.setTexture(missingPath), -1);
}

} // namespace
