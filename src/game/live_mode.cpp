#include "game/live_mode.h"

#include "app/game_clock.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/entity_list.h"
#include "gfx/picture_paths.h"
#include "platform/canvas_copy.h"

#include <GL/freeglut.h>

namespace {

constexpr int shadowCount = 10;

struct SoundFile {
    const char* path;
    const char* name;
};

// Loaded in this order, so they take slots 0 to 8.
constexpr SoundFile soundFiles[] = {
    {"./sounds/bg.mp3", "bg"},       {"./sounds/drip0.wav", "drip0"},
    {"./sounds/drip1.wav", "drip1"}, {"./sounds/drip2.wav", "drip2"},
    {"./sounds/drip3.wav", "drip3"}, {"./sounds/drip4.wav", "drip4"},
    {"./sounds/plop.wav", "plop"},   {"./sounds/break.wav", "break"},
    {"./sounds/ding.wav", "ding"},
};

} // namespace

LiveMode::LiveMode(const char* name) : State(name) {}

bool LiveMode::enter(State*) {
    paused = false;
    gameStartMs = elapsedMs;
    lastDropMs = elapsedMs;

    // The snow field comes first: its pre-warm makes the run's first random
    // draws, and the shadows take theirs after it.
    snow = new SnowField;
    sounds.init();

    // A new game's sun starts afresh, and its still layers with it.
    forgetCanvasCopy();

    background.scale = {800, 800, 800};
    retexture(background, pictures::background);

    sun.scale = {105, 105, 105};
    sun.position = {0, 300, 0};
    retexture(sun, pictures::sun);

    // The sky is opaque everywhere and drawn first: blending it would
    // change no pixel.
    sky.scale = {800, 800, 800};
    sky.blend = 0;
    retexture(sky, pictures::sky);

    // The dusk tint starts fully transparent; the rules fade it in.
    duskColour[0] = 1;
    duskColour[1] = 0.545f;
    duskColour[2] = 0.07f;
    duskOverlay.scale = {800, 800, 800};
    duskOverlay.colour[0] = 1;
    duskOverlay.colour[1] = 0.545f;
    duskOverlay.colour[2] = 0.07f;
    duskOverlay.colour[3] = 0;

    leftTree.scale = {550, 550, 550};
    retexture(leftTree, pictures::tree);
    leftTree.position = {-305, 201, 0};

    rightTree.scale = {550, 550, 550};
    retexture(rightTree, pictures::tree);
    rightTree.position = {305, 201, 0};

    // The glass picture holds the idle and the focusing glass side by side.
    magnifier.scale = {30, 60, 1};
    magnifier.texWindow = 1;
    magnifier.texScale[0] = 0.5f;
    magnifier.texScale[1] = 1;
    retexture(magnifier, pictures::magnifier);

    for (int i = 0; i < shadowCount; ++i) {
        shadows.push_back(new Shadow);
    }

    ray = new Ray;
    rayOn = 0;
    focusHeldBy = 0;
    // The glass is the pointer now; the system's own would only hide it.
    glutSetCursor(GLUT_CURSOR_NONE);

    for (const SoundFile& sound : soundFiles) {
        sounds.load(sound.path, sound.name);
    }
    sounds.play("bg");
    return true;
}

float LiveMode::gameSeconds() const {
    return static_cast<float>(static_cast<double>(elapsedMs - gameStartMs) / 1000.0);
}

// However the game is left, a pause ends with it: the clock and the sounds
// it held go on for the screen that follows.
bool LiveMode::leave(State*) {
    if (paused) {
        paused = false;
        releaseGameClock();
        SoundBank::setPaused(false);
    }
    return true;
}

void LiveMode::destroyEntities() {
    delete snow;
    snow = nullptr;
    delete ray;
    ray = nullptr;
    destroyAll(shadows);
    destroyAll(rings);
    destroyAll(drops);
    destroyAll(icicles);
    destroyAll(caughtFish);
}

bool LiveMode::finish(State*) {
    sounds.stopAll();
    destroyEntities();
    return true;
}

LiveMode::~LiveMode() {
    // The process is ending; the entities go too, so that nothing is left
    // for a leak checker to find.
    destroyEntities();

    // The scene's pictures are let go before the sound device closes.
    for (Sprite* sprite :
         {&rightTree, &leftTree, &duskOverlay, &background, &sky, &sun, &magnifier}) {
        if (sprite->texture) {
            releaseTexture(sprite->texture);
            sprite->texture = nullptr;
        }
    }
    sounds.close();
}
