#include "canvas.h"

#include "console.h"
#include "gfx/sprite.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const Rgb skyBlue{51, 153, 255};

// A sprite tinted sky blue at (200, 0), 200 units square, that asks for the
// given picture; returns what the texture cache printed.
std::string drawTintedSprite(const char* path) {
    Sprite sprite;
    sprite.colour[0] = 0.2f;
    sprite.colour[1] = 0.6f;
    sprite.colour[2] = 1.0f;
    sprite.position = {200, 0, 0};
    sprite.scale = {200, 200, 1};

    ConsoleCapture console;
    EXPECT_EQ(sprite.setTexture(path), -1);
    const std::string printed = console.take();

    sprite.draw();
    return printed;
}

// Something textured first, so drawing the broken picture has to switch
// texturing off again, as it does mid-scene in the game.
void drawTexturedNeighbour() {
    static const char* redPicture = makePicture("neighbour.png", "-size 16x16 xc:'#ff0000'");
    Sprite neighbour;
    EXPECT_NE(neighbour.setTexture(redPicture), -1);
    neighbour.position = {-200, 0, 0};
    neighbour.scale = {200, 200, 1};
    neighbour.draw();
}

void expectPlainTintedSquare() {
    EXPECT_TRUE(looksLike(canvasPixel(200, 0), skyBlue));
    EXPECT_TRUE(looksLike(canvasPixel(120, 80), skyBlue));
    EXPECT_TRUE(looksLike(canvasPixel(280, -80), skyBlue));
    EXPECT_TRUE(looksLike(canvasPixel(310, 0), grey));
}

TEST(MissingPicture, IsReportedAndDrawsAnUntexturedQuadInTheSpritesColour) {
    const char* path = missingFile("no-such-picture.png");
    startFrame();
    drawTexturedNeighbour();

    EXPECT_EQ(drawTintedSprite(path), "Couldn't load texture " + std::string(path) + "\n");
    expectPlainTintedSquare();
}

TEST(MissingPicture, GarbageNamedLikeAPictureIsReportedAndDrawnUntextured) {
    // Junk that starts like the real thing gets past the format sniffing and
    // into the decoders themselves.
    std::string junk;
    unsigned int seed = 12345;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += static_cast<char>(seed >> 24);
    }
    const std::string pngSignature = "\x89PNG\r\n\x1a\n";
    const std::string jpegStart("\xff\xd8\xff\xe0\x00\x10JFIF\x00", 11);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"junk.png", junk},
        {"junk.jpg", junk},
        {"headed-junk.png", pngSignature + junk},
        {"headed-junk.jpg", jpegStart + junk},
        {"empty.jpg", ""},
    };

    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.name);
        const char* path = makeFile(broken.name, broken.bytes);
        startFrame();
        drawTexturedNeighbour();

        EXPECT_EQ(drawTintedSprite(path), "Couldn't load texture " + std::string(path) + "\n");
        expectPlainTintedSquare();
    }
}

} // namespace
