// Pausing the live game: P or the Pause key, a controller's Start, or the
// player leaving the window. The game's clock is held, so the sun, the 240
// seconds and every entity stand still and the paused seconds never count;
// the sounds wait where they were. The paused panel is a menu: resume, the
// volume, fullscreen, how the light is focused, and quitting.
#include "app/game_clock.h"
#include "app/player_controls.h"
#include "game/live_mode.h"
#include "platform/window_fullscreen.h"

#include <GL/freeglut.h>

void LiveMode::pause() {
    if (paused) {
        return;
    }
    paused = true;
    holdGameClock();
    SoundBank::setPaused(true);
    menuLine = MenuLine::resume;

    // A button held now may well be let go outside the window: the light
    // goes out, and the player points with the ordinary pointer to resume.
    focusHeldBy = 0;
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
    return {menuLine, soundVolume(), fullscreenShown(), focusToggles()};
}

void LiveMode::action(const Action action, const bool down) {
    if (action == Action::pause) {
        if (down) {
            paused ? resume() : pause();
        }
        return;
    }
    if (paused) {
        if (down) {
            menuAction(action);
        }
        return;
    }
    if (action == Action::choose) {
        holdFocus(focusByChoose, down);
    } else if (action == Action::focus) {
        holdFocus(focusByTrigger, down);
    }
}

void LiveMode::menuAction(const Action action) {
    const int line = static_cast<int>(menuLine);
    switch (action) {
    case Action::up:
        menuLine = static_cast<MenuLine>((line + menuLineCount - 1) % menuLineCount);
        break;
    case Action::down:
        menuLine = static_cast<MenuLine>((line + 1) % menuLineCount);
        break;
    case Action::left:
        changeMenuValue(-1);
        break;
    case Action::right:
        changeMenuValue(1);
        break;
    case Action::choose:
        chooseMenuLine();
        break;
    default:
        return;
    }
    // A paused game draws only when asked.
    glutPostRedisplay();
}

// Left and right: the volume a step, the others' two values either way.
void LiveMode::changeMenuValue(const int step) {
    switch (menuLine) {
    case MenuLine::volume:
        changeVolume(step);
        break;
    case MenuLine::fullscreen:
        act(Action::fullscreen, true);
        break;
    case MenuLine::focus:
        setFocusToggles(!focusToggles());
        break;
    default:
        break;
    }
}

// Choosing a value's line steps it on, the volume round from full to off.
void LiveMode::chooseMenuLine() {
    switch (menuLine) {
    case MenuLine::resume:
        resume();
        break;
    case MenuLine::volume:
        changeVolume(soundVolume() == volumeSteps ? -volumeSteps : 1);
        break;
    case MenuLine::quit:
        act(Action::quit, true);
        break;
    default:
        changeMenuValue(1);
        break;
    }
}

void LiveMode::clickPauseMenu(const int x, const int y) {
    const CanvasPoint point = pointerOnCanvas(x, y);
    MenuLine line;
    if (!menuLineAt(point.x, point.y, line)) {
        resume();
        return;
    }
    menuLine = line;
    menuAction(Action::choose);
}

void LiveMode::pointAtPauseMenu(const int x, const int y) {
    const CanvasPoint point = pointerOnCanvas(x, y);
    MenuLine line;
    if (menuLineAt(point.x, point.y, line) && line != menuLine) {
        menuLine = line;
        glutPostRedisplay();
    }
}

void pauseLiveGame() {
    if (currentState == &liveMode) {
        liveMode.pause();
    }
}
