#include "console.h"
#include "fresh_process.h"
#include "gfx/texture_cache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TextureLoading : public ::testing::Test {
  protected:
    void SetUp() override { startFreshProcess(); }
    std::string printed() { return console.take(); }
    ConsoleCapture console;
};

// The upload's calls in order are part of the start-up sequence's test.
TEST_F(TextureLoading, TheFirstRequestLoadsAndPrintsALaterOneIsSilentAndShared) {
    static constexpr const char* bg = "./img/bg.png";
    Texture* first = getTexture(bg);
    EXPECT_EQ(first->glName, 1u);
    EXPECT_EQ(first->path, bg);
    takeCalls();
    Texture* second = getTexture(bg);
    EXPECT_EQ(printed(), "Loaded texture ./img/bg.png\n");
    EXPECT_THAT(takeCalls(), IsEmpty());
    EXPECT_EQ(first, second);
}

TEST_F(TextureLoading, AMissingPictureIsReportedOnceAndCachedAsNoPicture) {
    static constexpr const char* missing = "./img/missing.png";
    Texture* texture = getTexture(missing);
    EXPECT_THAT(takeCalls(),
                ElementsAre("ilInit()", "ilutRenderer(ILUT_OPENGL)", "ilEnable(IL_ORIGIN_SET)",
                            "ilOriginFunc(IL_ORIGIN_LOWER_LEFT)", "ilGenImages(1)",
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
