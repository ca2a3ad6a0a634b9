#include "app/actions.h"

#include "app/player_controls.h"
#include "app/state.h"
#include "platform/game_end.h"

void act(const Action action, const bool down) {
    switch (action) {
    case Action::mute:
    case Action::volumeDown:
    case Action::volumeUp:
    case Action::fullscreen:
    case Action::quit:
        if (down) {
            answerPlayerControl(action);
        }
        return;
    default:
        break;
    }
    if (currentState) {
        currentState->action(action, down);
    }
}
