#include "screens/end_state.h"

#include "app/frame.h"
#include "game/live_mode.h"
#include "gfx/picture_paths.h"

#include <GL/freeglut.h>

#include <cstdlib>

static constexpr float lockedSeconds = 5.0f;

bool EndState::enter(State* previous) {
    sprite.scale = {800, 800, 800};
    // An opaque picture drawn first: blending it would change no pixel.
    sprite.blend = 0;
    // The live game is the only state that ends into this one; anything else
    // counts as a lost game rather than a crash.
    const auto* game = dynamic_cast<const LiveMode*>(previous);
    const bool won = game && game->won;
    retexture(sprite, won ? pictures::win : pictures::lose);
    enteredAt = nowSeconds();
    // The player clicks here with the ordinary pointer again.
    glutSetCursor(GLUT_CURSOR_INHERIT);
    return true;
}

void EndState::draw() {
    sprite.draw();
}

void EndState::mouse(const int button, const int buttonState, int, int) {
    if (button != GLUT_LEFT_BUTTON || buttonState != GLUT_UP) {
        return;
    }
    if (nowSeconds() - enteredAt > lockedSeconds) {
        std::exit(0);
    }
}
