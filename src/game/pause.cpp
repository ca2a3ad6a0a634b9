// Pausing the live game: P or the Pause key, or the player leaving the
// window. The game's clock is held, so the sun, the 240 seconds and every
// entity stand still and the paused seconds never count; the sounds wait
// where they were.
#include "app/game_clock.h"
#include "app/player_controls.h"
#include "game/live_mode.h"
#include "platform/pause_key.h"

#include <GL/freeglut.h>

void LiveMode::pause() {
    if (paused) {
        return;
    }
    paused = true;
    holdGameClock();
    SoundBank::setPaused(true);

    // A button held now may well be let go outside the window: the light
    // goes out, and the player points with the ordinary pointer to resume.
    rayOn = 0;
    magnifier.texOffset[0] = 0;
    magnifier.texOffset[1] = 0;
    glutSetCursor(GLUT_CURSOR_INHERIT);
}

void LiveMode::resume() {
    if (!paused) {
        return;
    }
    paused = false;
    releaseGameClock();
    SoundBank::setPaused(false);
    glutSetCursor(GLUT_CURSOR_NONE);
}

PauseMenuView LiveMode::pauseMenuView() const {
    return {menuLine, soundVolume(), fullscreenNow(), focusToggles()};
}

void LiveMode::keyDown(const unsigned char key, int, int) {
    if (key == 'p' || key == 'P') {
        paused ? resume() : pause();
    }
}

void LiveMode::specialDown(const int key, int, int) {
    if (key == pauseSpecialKey) {
        paused ? resume() : pause();
    }
}

void pauseLiveGame() {
    if (currentState == &liveMode) {
        liveMode.pause();
    }
}
