#include "fresh_process.h"
#include "gfx/texture_cache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TextureLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        startFreshProcess();
        ::testing::internal::CaptureStdout();
    }
    std::string printed() { return ::testing::internal::GetCapturedStdout(); }
};

TEST_F(TextureLoading, TheFirstRequestLoadsPrintsAndUploadsInOrder) {
    static constexpr const char* bg = "./img/bg.png";
    Texture* texture = getTexture(bg);
    EXPECT_EQ(printed(), "Loaded texture ./img/bg.png\n");
    EXPECT_THAT(takeCalls(),
                ElementsAre("ilInit()", "ilutRenderer(ILUT_OPENGL)", "ilEnable(IL_ORIGIN_SET)",
                            "ilOriginFunc(IL_ORIGIN_UPPER_LEFT)", "ilGenImages(1)",
                            "ilBindImage(100)", "ilLoadImage(./img/bg.png)", "iluFlipImage()",
                            "glPixelStorei(GL_UNPACK_ALIGNMENT, 1)", "glGenTextures(1)",
                            "glBindTexture(GL_TEXTURE_2D, 1)",
                            "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR)",
                            "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR)",
                            "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT)",
                            "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT)",
                            "ilutGLTexImage(0)", "ilDeleteImages(1, 100)"));
    EXPECT_EQ(texture->glName, 1u);
    EXPECT_EQ(texture->useCount, 1);
    EXPECT_EQ(texture->path, bg);
}

TEST_F(TextureLoading, ALaterRequestForTheSameConstantIsSilentAndShared) {
    static constexpr const char* bg = "./img/bg.png";
    Texture* first = getTexture(bg);
    takeCalls();
    Texture* second = getTexture(bg);
    EXPECT_EQ(printed(), "Loaded texture ./img/bg.png\n");
    EXPECT_THAT(takeCalls(), IsEmpty());
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->useCount, 2);
}

TEST_F(TextureLoading, AMissingPictureIsReportedOnceAndCachedAsNoPicture) {
    static constexpr const char* missing = "./img/missing.png";
    Texture* texture = getTexture(missing);
    EXPECT_THAT(takeCalls(),
                ElementsAre("ilInit()", "ilutRenderer(ILUT_OPENGL)", "ilEnable(IL_ORIGIN_SET)",
                            "ilOriginFunc(IL_ORIGIN_UPPER_LEFT)", "ilGenImages(1)",
                            "ilBindImage(100)", "ilLoadImage(./img/missing.png)",
                            "ilDeleteImages(1, 100)"));
    EXPECT_EQ(static_cast<int>(texture->glName), -1);
    EXPECT_EQ(texture->path, nullptr);
    EXPECT_EQ(getTexture(missing), texture);
    EXPECT_THAT(takeCalls(), IsEmpty());
    EXPECT_EQ(printed(), "Couldn't load texture ./img/missing.png\n");
}

TEST_F(TextureLoading, TheImageLibraryStartsOnTheFirstLoadOnly) {
    static constexpr const char* first = "./img/first.png";
    static constexpr const char* second = "./img/second.png";
    getTexture(first);
    takeCalls();
    getTexture(second);
    const auto calls = takeCalls();
    EXPECT_EQ(calls.front(), "ilGenImages(1)");
    printed();
}

TEST_F(TextureLoading, TwoStringsWithTheSameTextAreTwoPictures) {
    static const char one[] = "./img/twin.png";
    static const char other[] = "./img/twin.png";
    Texture* a = getTexture(one);
    Texture* b = getTexture(other);
    EXPECT_NE(a, b);
    EXPECT_NE(a->glName, b->glName);
    EXPECT_EQ(printed(), "Loaded texture ./img/twin.png\nLoaded texture ./img/twin.png\n");
}

} // namespace
