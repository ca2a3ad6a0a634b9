#pragma once

// What a player asks of the game, whatever the device. The keys, a game
// controller and the page's own buttons each turn their events into these,
// and the screens hear only them. The pointer keeps its own way in (a
// screen's mouse and motion), since it also says where; steering by a
// velocity goes through game/steering.h.
enum class Action {
    choose, // what a click does: on with the title, focus in a live game, a menu line
    focus,  // focusing the light, and nothing else (a trigger)
    pause,  // pauses a live game, or resumes it
    up,     // the menu's lines and values
    down,
    left,
    right,
    mute,       // every sound off, or back
    volumeDown, // the volume a step down or up, shown for a moment
    volumeUp,
    fullscreen, // a window or the whole screen
    quit,       // ends the game, as Esc does
};

// A press (down) or a release of whatever gives the action. The player's
// controls (mute, volume, fullscreen, quit) are answered here on every
// screen; the others go to the current screen.
void act(Action action, bool down);
