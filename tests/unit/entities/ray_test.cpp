#include "entity_fixture.h"
#include "game/entities/ray.h"
#include "gfx/picture_paths.h"

#include <string>
#include <vector>

namespace {

// The scene draws the ray right after the magnifier sprite, which leaves
// texturing on with its own picture bound.
class RayEntity : public EntityTest {
  protected:
    void SetUp() override {
        EntityTest::SetUp();
        ray.lensBottom = {-80, 200, 0};
        ray.lensTop = {-80, 220, 0};
        ray.focus = {-106.5f, 180.25f, 0};
        fakeGl().texturingEnabled = true;
        fakeGl().boundTexture = magnifierTexture;
        takeCalls();
    }

    std::string ownBind() const {
        return "glBindTexture(GL_TEXTURE_2D, " + std::to_string(ray.texture->glName) + ")";
    }

    static constexpr int magnifierTexture = 77;
    Ray ray;
    const std::vector<std::string> triangle{
        "glPushMatrix()",
        "glColor4f(1, 1, 1, 0.8)",
        "glBegin(GL_TRIANGLES)",
        "glTexCoord2f(0, 0)",
        "glVertex3f(-80, 200, 0)",
        "glTexCoord2f(1, 0)",
        "glVertex3f(-80, 220, 0)",
        "glTexCoord2f(0.5, 1)",
        "glVertex3f(-106.5, 180.25, 0)",
        "glEnd()",
    };
};

std::vector<std::string> joined(std::vector<std::string> head, const std::vector<std::string>& body,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), body.begin(), body.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(RayEntity, WithoutBlendingItBlendsForTheTriangleAndPutsBackTheSpritesTexture) {
    EXPECT_EQ(ray.texture->path, pictures::ray);
    ray.draw();

    EXPECT_EQ(takeCalls(), joined(
                               {
                                   "glGetIntegerv(GL_TEXTURE_BINDING_2D)",
                                   ownBind(),
                                   "glIsEnabled(GL_BLEND)",
                                   "glEnable(GL_BLEND)",
                                   "glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)",
                               },
                               triangle,
                               {
                                   "glDisable(GL_BLEND)",
                                   "glBindTexture(GL_TEXTURE_2D, 77)",
                                   "glPopMatrix()",
                               }));
    EXPECT_FALSE(fakeGl().blendEnabled);
    EXPECT_TRUE(fakeGl().texturingEnabled);
    EXPECT_EQ(fakeGl().boundTexture, magnifierTexture);
}

TEST_F(RayEntity, WithBlendingOnAndItsOwnPictureBoundItChangesNoState) {
    fakeGl().blendEnabled = true;
    fakeGl().boundTexture = static_cast<int>(ray.texture->glName);

    ray.draw();

    EXPECT_EQ(takeCalls(), joined(
                               {
                                   "glGetIntegerv(GL_TEXTURE_BINDING_2D)",
                                   "glIsEnabled(GL_BLEND)",
                               },
                               triangle, {"glPopMatrix()"}));
    EXPECT_TRUE(fakeGl().blendEnabled);
}

TEST_F(RayEntity, TheSpriteDrawnAfterItNeedsNoBindForTheTextureItHadBefore) {
    static constexpr const char* glassPicture = "./img/entity-test-glass.png";
    Sprite glass;
    retexture(glass, glassPicture);
    glass.draw();
    takeCalls();

    ray.draw();
    takeCalls();
    glass.draw();

    const std::vector<std::string> calls = takeCalls();
    EXPECT_EQ(countCalls(calls, "glBindTexture"), 0);
    EXPECT_EQ(countCalls(calls, "glEnable"), 0);
    EXPECT_EQ(countCalls(calls, "glBlendFunc"), 0);
    EXPECT_EQ(fakeGl().boundTexture, static_cast<int>(glass.texture->glName));
}

TEST_F(RayEntity, WithoutItsPictureItDrawsUntexturedAndSwitchesTexturingBackOn) {
    Texture missing; // glName -1, as the cache leaves a picture that did not load
    ray.texture = &missing;

    ray.draw();

    EXPECT_EQ(takeCalls(), joined(
                               {
                                   "glGetIntegerv(GL_TEXTURE_BINDING_2D)",
                                   "glIsEnabled(GL_TEXTURE_2D)",
                                   "glDisable(GL_TEXTURE_2D)",
                                   "glIsEnabled(GL_BLEND)",
                                   "glEnable(GL_BLEND)",
                                   "glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)",
                               },
                               triangle,
                               {
                                   "glDisable(GL_BLEND)",
                                   "glEnable(GL_TEXTURE_2D)",
                                   "glBindTexture(GL_TEXTURE_2D, 77)",
                                   "glPopMatrix()",
                               }));
    EXPECT_TRUE(fakeGl().texturingEnabled);
}

TEST_F(RayEntity, WithoutItsPictureItLeavesTexturingOffWhenItWasOff) {
    Texture missing;
    ray.texture = &missing;
    fakeGl().texturingEnabled = false;

    ray.draw();

    const std::vector<std::string> calls = takeCalls();
    EXPECT_EQ(countCalls(calls, "glEnable(GL_TEXTURE_2D)"), 0);
    EXPECT_FALSE(fakeGl().texturingEnabled);
}

} // namespace
