// The player's one tool: the pointer, the keys or a controller move the
// magnifying glass, and a button held (or pressed once, for a player who
// focuses by toggling) focuses the sunlight through it.
#include "app/camera.h"
#include "app/game_clock.h"
#include "app/player_controls.h"
#include "app/steering_input.h"
#include "game/live_mode.h"

#include <GL/freeglut.h>

void LiveMode::holdFocus(const FocusSource source, const bool down) {
    if (focusToggles()) {
        // Only presses count; the light goes on with one and off with the next.
        if (down) {
            focusHeldBy = rayOn ? 0u : static_cast<unsigned>(source);
        }
    } else {
        focusHeldBy = down ? focusHeldBy | source : focusHeldBy & ~source;
    }
    // The right half of the glass picture is the glass aglow.
    rayOn = focusHeldBy != 0 ? 1 : 0;
    magnifier.texOffset[0] = rayOn ? 0.5f : 0;
    magnifier.texOffset[1] = 0;
}

void LiveMode::mouse(const int button, const int buttonState, const int x, const int y) {
    if (button != GLUT_LEFT_BUTTON) {
        return;
    }
    // A click on a paused game chooses the menu's line under it, or else
    // only resumes it; its release then finds the light already off.
    if (paused) {
        if (buttonState == GLUT_DOWN) {
            clickPauseMenu(x, y);
        }
        return;
    }
    if (buttonState == GLUT_DOWN || buttonState == GLUT_UP) {
        holdFocus(focusByPointer, buttonState == GLUT_DOWN);
    }
}

void LiveMode::motion(const int x, const int y) {
    // Nothing moves in a paused game, the glass included; the pointer only
    // picks a line of the menu.
    if (paused) {
        pointAtPauseMenu(x, y);
        return;
    }
    steerByPointer();
    // The glass stays under the pointer however the window is sized. Its
    // centre sits 20 units above the pointer, which then points just below
    // the lens.
    const CanvasPoint under = pointerOnCanvas(x, y);
    magnifier.position.x = under.x;
    magnifier.position.y = under.y + 20;
    magnifier.position.z = 0;
}

void LiveMode::passiveMotion(const int x, const int y) {
    motion(x, y);
}

CanvasPoint pointerOnCanvas(const int x, const int y) {
    const Camera& view = currentCamera ? *currentCamera : camera;
    return canvasPointUnderPointer(x, y, view.width, view.windowHeight);
}

void LiveMode::steerGlass() {
    magnifier.position = ::steerGlass(magnifier.position, steeringVelocity(), frameDelta);
}
