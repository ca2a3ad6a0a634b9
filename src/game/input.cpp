// The player's one tool: the pointer moves the magnifying glass, the left
// button held focuses the sunlight through it.
#include "app/camera.h"
#include "game/live_mode.h"

#include <GL/freeglut.h>

void LiveMode::mouse(const int button, const int buttonState, int, int) {
    if (button != GLUT_LEFT_BUTTON) {
        return;
    }
    // A click on a paused game only resumes it; its release then finds the
    // light already off.
    if (paused) {
        if (buttonState == GLUT_DOWN) {
            resume();
        }
        return;
    }
    // The right half of the glass picture is the glass aglow.
    if (buttonState == GLUT_DOWN) {
        magnifier.texOffset[0] = 0.5f;
        magnifier.texOffset[1] = 0;
        rayOn = 1;
    } else if (buttonState == GLUT_UP) {
        rayOn = 0;
        magnifier.texOffset[0] = 0;
        magnifier.texOffset[1] = 0;
    }
}

void LiveMode::motion(const int x, const int y) {
    // Nothing moves in a paused game, the glass included.
    if (paused) {
        return;
    }
    // The glass stays under the pointer however the window is sized. Its
    // centre sits 20 units above the pointer, which then points just below
    // the lens.
    const Camera& view = currentCamera ? *currentCamera : camera;
    const CanvasPoint under = canvasPointUnderPointer(x, y, view.width, view.windowHeight);
    magnifier.position.x = under.x;
    magnifier.position.y = under.y + 20;
    magnifier.position.z = 0;
}

void LiveMode::passiveMotion(const int x, const int y) {
    motion(x, y);
}
