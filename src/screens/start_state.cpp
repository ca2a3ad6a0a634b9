#include "screens/start_state.h"

#include "game/live_mode.h"
#include "gfx/picture_paths.h"
#include "gfx/texture_cache.h"

#include <GL/freeglut.h>

#include <iterator>

bool StartState::enter(State*) {
    // A fresh sprite resets every field; it is also the first sprite built
    // with a GL context, so it builds the shared quad.
    sprite = Sprite();
    sprite.scale = {800, 800, 800};
    sprite.position = {0, 0, 0};
    // An opaque picture drawn first: blending it would change no pixel.
    sprite.blend = 0;
    retexture(sprite, pictures::splash);
    instructionsShown = 0;
    instructionsWanted = false;
    startWanted = false;
    return true;
}

// An 800 unit square at the centre: the picture fills the width and its top
// and bottom eighths lie outside the 600 unit canvas.
void StartState::draw() {
    sprite.draw();
}

void StartState::update() {
    // The click that shows the instructions came before they did.
    if (instructionsWanted && !pictureOnItsWay(pictures::instructions)) {
        instructionsWanted = false;
        instructionsShown = 1;
        sprite.setTexture(pictures::instructions);
    }
    // The click that starts the game came while the live game's pictures
    // were still on their way (its short sounds come with them, in the
    // browser's second package): the game starts once they are in.
    if (startWanted && !anyPictureOnItsWay()) {
        startWanted = false;
        switchState(&liveMode);
        return;
    }

    if (picturesReady >= static_cast<int>(std::size(pictures::liveGame))) {
        if (!soundReady) {
            liveMode.sounds.openDevice();
            soundReady = true;
        }
        return;
    }
    // A picture still on its way is loaded once it is in, not as missing.
    if (pictureOnItsWay(pictures::liveGame[picturesReady])) {
        return;
    }
    getTexture(pictures::liveGame[picturesReady]);
    picturesReady += 1;

    // Loading binds the new picture behind the sprites' back; put back the
    // one they last bound, so the screen's own picture keeps showing.
    if (renderCache.boundTexture != -1) {
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(renderCache.boundTexture));
    }
}

void StartState::mouse(const int button, const int buttonState, int, int) {
    // The release counts, anywhere in the window.
    if (button == GLUT_LEFT_BUTTON && buttonState == GLUT_UP) {
        goOn();
    }
}

void StartState::action(const Action action, const bool down) {
    if (action == Action::choose && !down) {
        goOn();
    }
}

void StartState::goOn() {
    if (instructionsShown == 0 && pictureOnItsWay(pictures::instructions)) {
        instructionsWanted = true;
    } else if (instructionsShown == 0) {
        instructionsShown = 1;
        sprite.setTexture(pictures::instructions);
    } else if (anyPictureOnItsWay()) {
        startWanted = true;
    } else {
        switchState(&liveMode);
    }
}
