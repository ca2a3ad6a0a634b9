// The lake's still layers are drawn only where they change a pixel: the sky
// and the land in strips along the land's skyline, each tree in boxes around
// its branches. Those outlines are taken from the pictures by hand, so a
// change to the art could leave a gap or a seam; drawn in parts, the scene
// must show exactly what its layers drawn whole show.
// The browser's copy, with the dusk folded in, is linked here in place of the
// desktop's: each size's first frame is drawn as the desktop's, the rest not.
#include "canvas.h"

#include "app/camera.h"
#include "game/entities/snow_field.h"
#include "game/live_mode.h"
#include "gfx/picture_paths.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

std::vector<unsigned char> windowPixels(const int width, const int height) {
    glFinish();
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The scene as a new game sets it up, with only the glass over its layers.
void setUpStillScene(LiveMode& game) {
    for (Sprite* full : {&game.sky, &game.background}) {
        full->scale = {800, 800, 800};
    }
    game.sky.blend = 0;
    retexture(game.sky, pictures::sky);
    retexture(game.background, pictures::background);
    retexture(game.sun, pictures::sun);
    for (Sprite* tree : {&game.leftTree, &game.rightTree}) {
        tree->scale = {550, 550, 550};
        retexture(*tree, pictures::tree);
    }
    game.leftTree.position = {-305, 201, 0};
    game.rightTree.position = {305, 201, 0};
    game.magnifier.scale = {30, 60, 1};
    game.magnifier.position = {120, -80, 0};
    game.magnifier.texWindow = 1;
    game.magnifier.texScale[0] = 0.5f;
    retexture(game.magnifier, pictures::magnifier);
    game.duskOverlay.scale = {800, 800, 1};
    game.duskOverlay.colour[2] = 0.07f;
    game.snow = new SnowField;
    for (Snowflake* flake : game.snow->flakes) {
        delete flake;
    }
    game.snow->flakes.clear();
}

// Each channel of each pixel within so many steps of the other's.
bool alike(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
           const int steps) {
    return std::equal(a.begin(), a.end(), b.begin(),
                      [steps](const int x, const int y) { return std::abs(x - y) <= steps; });
}

// The scene's layers drawn whole, one over another, the tint over all.
std::vector<unsigned char> drawnWhole(const LiveMode& game, const int width, const int height) {
    startFrame();
    for (const Sprite* layer : {&game.sky, &game.sun, &game.background, &game.leftTree,
                                &game.rightTree, &game.magnifier, &game.duskOverlay}) {
        layer->draw();
    }
    return windowPixels(width, height);
}

// At sizes that round the outlines differently, the sun at every height, before
// the dusk and in it (a tint folded in may round a step or two from one laid over).
TEST(SceneLayers, DrawnInPartsTheyShowWhatTheyShowWhole) {
    const std::filesystem::path testFolder = std::filesystem::current_path();
    std::filesystem::current_path(testFolder / "..");
    LiveMode game("scene layers");
    setUpStillScene(game);

    for (const int width : {800, 799, 641, 561, 441, 400, 320}) {
        const int height = width * 3 / 4;
        camera.reshape(width, height);
        for (const float sunY : {300.0f, 160.0f, 90.0f, 60.0f, 30.0f, 0.0f, -40.0f}) {
            game.sun.position = {0, sunY, 0};
            game.sun.scale = {105 + sunY / 10, 105 + sunY / 10, 1};
            for (const float dusk : {0.0f, 0.66f}) {
                game.duskOverlay.colour[3] = dusk;
                startFrame();
                game.draw();
                const std::vector<unsigned char> inParts = windowPixels(width, height);
                EXPECT_TRUE(alike(inParts, drawnWhole(game, width, height), dusk > 0 ? 2 : 0))
                    << "a window " << width << " wide, the sun at " << sunY << ", dusk " << dusk;
            }
        }
    }

    // A sun creeping down a tenth of a pixel a frame is never left behind.
    camera.reshape(800, 600);
    game.sun.position = {0, 160, 0};
    for (int frame = 0; frame < 40; ++frame) {
        game.sun.position.y -= 0.1f;
        startFrame();
        game.draw();
    }
    const std::vector<unsigned char> crept = windowPixels(800, 600);
    EXPECT_TRUE(alike(crept, drawnWhole(game, 800, 600), 8));
    std::filesystem::current_path(testFolder);
}

} // namespace
