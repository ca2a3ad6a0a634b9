#include "screens/end_state.h"

#include "app/game_clock.h"
#include "app/player_controls.h"
#include "game/live_mode.h"
#include "gfx/picture_paths.h"
#include "platform/game_end.h"
#include "platform/player_storage.h"
#include "player/record_file.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdint>
#include <limits>

static constexpr std::int64_t lockedMs = 5000;

bool EndState::enter(State* previous) {
    sprite.scale = {800, 800, 800};
    // An opaque picture drawn first: blending it would change no pixel.
    sprite.blend = 0;
    // The live game is the only state that ends into this one; anything else
    // counts as a lost game rather than a crash.
    const auto* game = dynamic_cast<const LiveMode*>(previous);
    const bool won = game && game->won;
    retexture(sprite, won ? pictures::win : pictures::lose);
    enteredAtMs = elapsedMs;

    // The game's time is the frame clock's, which leaves the paused seconds out.
    figuresShown = false;
    recordPending = game != nullptr;
    if (game) {
        result.won = won;
        result.fishCaught = static_cast<int>(game->caughtFish.size());
        result.timeMs = static_cast<int>(std::clamp<std::int64_t>(enteredAtMs - game->gameStartMs,
                                                                  std::numeric_limits<int>::min(),
                                                                  std::numeric_limits<int>::max()));
    }
    // The player clicks here with the ordinary pointer again.
    glutSetCursor(GLUT_CURSOR_INHERIT);
    return true;
}

void EndState::draw() {
    sprite.draw();
    if (figuresShown) {
        drawResultFigures(figures);
    }
}

// The game in the record, and the figures beside the best from then on. A
// best is new only against a record that was read: one that could not be
// (no place for it, a lock another game kept, a read that failed) says
// nothing of earlier games.
static void keepResult(void* context) {
    EndState& screen = *static_cast<EndState*>(context);
    const GameResult& result = screen.result;
    const KeptRecord kept = keepGameInRecord(result);
    ResultFigures& figures = screen.figures;
    figures.won = result.won;
    figures.timeMs = result.timeMs;
    figures.bestMs = kept.after.bestWinMs;
    figures.newBest = result.won && kept.beforeRead && kept.after.bestWinMs == result.timeMs &&
                      (kept.before.bestWinMs == 0 || result.timeMs < kept.before.bestWinMs);
    figures.fishCaught = result.fishCaught;
    figures.mostFish = kept.after.mostFish;
    screen.figuresShown = true;
}

// The file is written here, after the game's last frame and the result
// screen's first, so that no frame of play ever waits for the disk.
void EndState::update() {
    if (!recordPending) {
        return;
    }
    recordPending = false;
    withFreshPlayerFiles(keepResult, this);
}

void EndState::mouse(const int button, const int buttonState, int, int) {
    if (button == GLUT_LEFT_BUTTON && buttonState == GLUT_UP) {
        goOn();
    }
}

void EndState::action(const Action action, const bool down) {
    if (action == Action::choose && !down) {
        goOn();
    }
}

void EndState::goOn() {
    if (elapsedMs - enteredAtMs > lockedMs) {
        keepPendingSettings();
        endGame();
    }
}
