#include "app/frame.h"

#include "app/actions.h"
#include "app/camera.h"
#include "app/controller_actions.h"
#include "app/game_clock.h"
#include "app/key_actions.h"
#include "app/player_controls.h"
#include "app/state.h"
#include "game/live_mode.h"
#include "game/pause_panel.h"
#include "platform/controllers.h"
#include "platform/frame_pacing.h"
#include "platform/game_end.h"
#include "platform/pause_key.h"
#include "platform/swap_control.h"
#include "platform/window_identity.h"
#include "platform/window_watch.h"
#include "screens/start_state.h"

#include <GL/freeglut.h>

// Each hold starts its own chain of Pause key checks; a chain left over from
// an earlier hold sees a newer number and stops.
static int holdNumber = 0;
static constexpr unsigned int pauseKeyCheckMs = 100;

// A held key repeats, as presses alone where the platform tells repeats
// apart: a press of the key already down is a repeat, and left out, so that
// each key acts once a press. Only the key pressed last repeats. A letter is
// the same key in either case, Shift pressed or let go while it is held.
// Special keys are counted apart from characters.
static constexpr int noKeyDown = -1;
static constexpr int specialKeys = 0x10000;
static int keyDown = noKeyDown;

static int sameKey(const unsigned char key) {
    return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

// True for the first press of a key, false for its repeats.
static bool firstPress(const int key) {
    if (key == keyDown) {
        return false;
    }
    keyDown = key;
    return true;
}

static void keyReleased(const int key) {
    if (key == keyDown) {
        keyDown = noKeyDown;
    }
}

// The window lost the keyboard, if only for a moment: what was held then
// was let go in another window.
static void letGoOfKeysHeldElsewhere() {
    if (keysLetGoElsewhere()) {
        keyDown = noKeyDown;
        letGoOfKeys();
    }
}

// While the game is held nothing needs the idle pass but the Pause key, so a
// slow timer listens for it instead: GLUT then sleeps between events.
static void checkPauseKeyWhileHeld(const int hold) {
    if (!gameClockHeld() || hold != holdNumber) {
        return;
    }
    if (pauseKeyPressed()) {
        onSpecial(pauseSpecialKey, 0, 0);
    }
    // A controller's Start, or the menu's lines, go on being heard.
    if (gameClockHeld() && hold == holdNumber) {
        letGoOfKeysHeldElsewhere();
        pollController();
    }
    if (gameClockHeld() && hold == holdNumber) {
        glutTimerFunc(pauseKeyCheckMs, checkPauseKeyWhileHeld, hold);
    }
}

static void stopIdlePasses() {
    glutIdleFunc(nullptr);
    holdNumber += 1;
    glutTimerFunc(pauseKeyCheckMs, checkPauseKeyWhileHeld, holdNumber);
    glutPostRedisplay();
}

static void startIdlePasses() {
    glutIdleFunc(onIdle);
}

// The volume, for a moment after the player changed it; a paused game's
// menu shows it already, and its frames stand still.
static constexpr std::int64_t volumeShownMs = 1500;

static void showVolumeChange() {
    const std::int64_t since = elapsedMs - volumeChangedAtMs;
    if (volumeChangedAtMs < 0 || gameClockHeld() || since >= volumeShownMs) {
        return;
    }
    drawVolumeShown(soundVolume(), 1.0f - static_cast<float>(since) / volumeShownMs);
}

void onReshape(const int width, const int height) {
    followFullscreenShown();
    if (currentCamera) {
        currentCamera->reshape(width, height);
    }
    windowShown();
}

void onDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    if (currentState) {
        currentState->draw();
    }
    showVolumeChange();
    glPopMatrix();
    paceFrame();
    glutSwapBuffers();
}

void onIdle() {
    if (pauseKeyPressed()) {
        onSpecial(pauseSpecialKey, 0, 0);
    }
    letGoOfKeysHeldElsewhere();
    if (keyboardFocusLost()) {
        onFocusLost();
    }
    // The Pause key may have held the clock: then this pass is not a frame.
    if (gameClockHeld() || !nextFrameDue()) {
        return;
    }
    tickClock();
    pollController();
    if (currentState) {
        currentState->update();
    }
    glutPostRedisplay();
}

void onMouse(const int button, const int buttonState, const int x, const int y) {
    if (currentState) {
        currentState->mouse(button, buttonState, x, y);
    }
}

void onMotion(const int x, const int y) {
    if (currentState) {
        currentState->motion(x, y);
    }
}

void onPassiveMotion(const int x, const int y) {
    if (currentState) {
        currentState->passiveMotion(x, y);
    }
}

void onKeyboard(const unsigned char key, int, int) {
    if (firstPress(sameKey(key))) {
        keyboardKey(key, true);
    }
}

void onKeyboardUp(const unsigned char key, int, int) {
    keyReleased(sameKey(key));
    keyboardKey(key, false);
}

void onSpecial(const int key, int, int) {
    // The Pause key comes once a press already, and is never let go here.
    if (key != pauseSpecialKey && !firstPress(specialKeys + key)) {
        return;
    }
    if (key == GLUT_KEY_F4 && (glutGetModifiers() & GLUT_ACTIVE_ALT)) {
        act(Action::quit, true);
        return;
    }
    specialKey(key, true);
}

void onSpecialUp(const int key, int, int) {
    keyReleased(specialKeys + key);
    specialKey(key, false);
}

// A player who leaves the window, or hides it, has stopped playing.
void onEntry(const int state) {
    if (state == GLUT_LEFT) {
        pauseLiveGame();
    }
}

void onWindowStatus(const int status) {
    if (status == GLUT_HIDDEN || status == GLUT_FULLY_COVERED) {
        pauseLiveGame();
    }
    // A browser's hidden tab may be closed next, and its page gone before
    // the settings' wait is over.
    if (status == GLUT_HIDDEN) {
        keepPendingSettings();
    }
}

void onFocusLost() {
    // A key let go in another window is never let go here.
    keyDown = noKeyDown;
    letGoOfKeys();
    pauseLiveGame();
}

int runGame(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Brumalo");
    identifyWindow();
    watchPauseKey();
    watchControllers();
    applyKeptSettings();

    camera.eye[2] = -50.0f;
    camera.perspective = 0;
    currentCamera = &camera;

    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);
    whenGameClockHeld(stopIdlePasses, startIdlePasses);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(onPassiveMotion);
    glutKeyboardFunc(onKeyboard);
    glutKeyboardUpFunc(onKeyboardUp);
    glutSpecialFunc(onSpecial);
    glutSpecialUpFunc(onSpecialUp);
    watchWindow();

    // The title screen loads its picture and builds the shared quad, both of
    // which need the window's GL context.
    switchState(&startState);

    // Black, for the bars beside the canvas in a window that is not 4:3; the
    // canvas itself is always painted over whole.
    glClearColor(0, 0, 0, 1.0f);
    setDrawingModes();
    detectSwapControl();
    setCulling(false);
    setDepthTest(false, false);
    glEnable(GL_NORMALIZE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glutMainLoop();
    return 0;
}
