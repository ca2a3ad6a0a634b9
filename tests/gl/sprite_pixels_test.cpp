#include "canvas.h"

#include "gfx/sprite.h"

#include <gtest/gtest.h>

namespace {

// A picture no flip, mirror or turn leaves unchanged: red top left, green
// top right, blue bottom left, yellow bottom right.
const std::string quadrants = "-size 32x32 xc:'#ff0000' xc:'#00ff00' +append "
                              "\\( -size 32x32 xc:'#0000ff' xc:'#ffff00' +append \\) -append";

const char* quadrantsPng() {
    static const char* path = makePicture("quadrants.png", quadrants);
    return path;
}

const char* quadrantsJpg() {
    static const char* path =
        makePicture("quadrants.jpg", quadrants + " -quality 100 -sampling-factor 1x1");
    return path;
}

Sprite pictureSprite(const char* path, const float x, const float size) {
    Sprite sprite;
    EXPECT_NE(sprite.setTexture(path), -1) << path << " did not load";
    sprite.position = {x, 0, 0};
    sprite.scale = {size, size, 1};
    return sprite;
}

// The four quarters of a square of the given size centred on (x, 0), looked
// at in their middles.
void expectQuarters(const float x, const float size, const Rgb& topLeft, const Rgb& topRight,
                    const Rgb& bottomLeft, const Rgb& bottomRight) {
    const int left = static_cast<int>(x - size / 4);
    const int right = static_cast<int>(x + size / 4);
    const int up = static_cast<int>(size / 4);
    EXPECT_TRUE(looksLike(canvasPixel(left, up), topLeft)) << "top left";
    EXPECT_TRUE(looksLike(canvasPixel(right, up), topRight)) << "top right";
    EXPECT_TRUE(looksLike(canvasPixel(left, -up), bottomLeft)) << "bottom left";
    EXPECT_TRUE(looksLike(canvasPixel(right, -up), bottomRight)) << "bottom right";
}

TEST(SpritePixels, PngAndJpegPicturesShowUprightAndUnmirrored) {
    startFrame();
    pictureSprite(quadrantsPng(), -200, 300).draw();
    pictureSprite(quadrantsJpg(), 200, 300).draw();

    {
        SCOPED_TRACE("PNG");
        expectQuarters(-200, 300, red, green, blue, yellow);
    }
    {
        SCOPED_TRACE("JPEG");
        expectQuarters(200, 300, red, green, blue, yellow);
    }
}

TEST(SpritePixels, TheQuadCoversExactlyItsScaleAroundItsPosition) {
    startFrame();
    pictureSprite(quadrantsPng(), -200, 300).draw();

    // Canvas x -350..-50, y -150..150; one canvas unit is one pixel.
    EXPECT_TRUE(looksLike(canvasPixel(-344, 144), red));
    EXPECT_TRUE(looksLike(canvasPixel(-56, -144), yellow));
    EXPECT_TRUE(looksLike(canvasPixel(-353, 0), grey));
    EXPECT_TRUE(looksLike(canvasPixel(-47, 0), grey));
    EXPECT_TRUE(looksLike(canvasPixel(-200, 153), grey));
    EXPECT_TRUE(looksLike(canvasPixel(-200, -153), grey));
}

TEST(SpritePixels, PivotIsTurnedWithTheSpriteAroundItsPosition) {
    startFrame();
    Sprite bar;
    bar.colour[1] = 0;
    bar.colour[2] = 0;
    bar.scale = {40, 10, 1};
    bar.rotation = 90;
    bar.pivot = {0, 10, 0};
    bar.position = {100, 0, 0};
    bar.draw();

    // Turned a quarter counter-clockwise, the 40 by 10 bar stands upright
    // with its centre at (90, 0): x 85..95, y -20..20.
    EXPECT_TRUE(looksLike(canvasPixel(90, 0), red));
    EXPECT_TRUE(looksLike(canvasPixel(87, 17), red));
    EXPECT_TRUE(looksLike(canvasPixel(93, -17), red));
    EXPECT_TRUE(looksLike(canvasPixel(90, 24), grey));
    EXPECT_TRUE(looksLike(canvasPixel(90, -24), grey));
    EXPECT_TRUE(looksLike(canvasPixel(82, 0), grey));
    EXPECT_TRUE(looksLike(canvasPixel(100, 0), grey)) << "the turning point itself is not covered";
}

TEST(SpritePixels, TextureWindowShowsOneHalfStretchedOverTheQuad) {
    startFrame();
    Sprite leftHalf = pictureSprite(quadrantsPng(), -200, 300);
    leftHalf.texWindow = 1;
    leftHalf.texScale[0] = 0.5f;
    Sprite rightHalf = leftHalf;
    rightHalf.position.x = 200;
    rightHalf.texOffset[0] = 0.5f;
    leftHalf.draw();
    rightHalf.draw();

    {
        SCOPED_TRACE("offset 0: the left half");
        expectQuarters(-200, 300, red, red, blue, blue);
    }
    {
        SCOPED_TRACE("offset 0.5: the right half");
        expectQuarters(200, 300, green, green, yellow, yellow);
    }
}

TEST(SpritePixels, AWindowedSpriteLeavesTheNextSpriteShowingTheWholePicture) {
    startFrame();
    Sprite windowed = pictureSprite(quadrantsPng(), -200, 300);
    windowed.texWindow = 1;
    windowed.texScale[0] = 0.5f;
    windowed.texOffset[0] = 0.5f;
    windowed.draw();
    pictureSprite(quadrantsPng(), 200, 300).draw();

    expectQuarters(200, 300, red, green, blue, yellow);
}

} // namespace
