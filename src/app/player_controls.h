#pragma once

#include "app/actions.h"

#include <cstdint>

// What serves the player on every screen rather than the game: fullscreen
// or a window, every sound silenced or brought back, the volume, and
// quitting. The choices are kept for the next start.

// Reads the kept choices: the sound is silenced before it ever opens, and
// the window goes fullscreen once it is shown. Needs the window.
void applyKeptSettings();

// The frame's reshape callback calls this: a window manager fullscreens only
// a window it already shows.
void windowShown();

// Answers one of the player's own actions (mute, the volume's steps,
// fullscreen, quit), on whatever screen shows.
void answerPlayerControl(Action action);

// The settings changed since the last write, written now: before the game
// ends, so that nothing the player chose is lost to the wait.
void keepPendingSettings();

void toggleFullscreen();
void toggleMute();

// The volume's step, 0 (off) to 5, kept with the other choices, and the
// moment it last changed (on the frame clock), for showing it briefly.
int soundVolume();
void changeVolume(int steps);
extern std::int64_t volumeChangedAtMs;

// A press starts the focus and the next stops it, rather than focusing
// while held: for players who cannot hold a button down.
bool focusToggles();
void setFocusToggles(bool toggles);

// Where the screen leaves or takes fullscreen without the game's keys (a
// browser's own Esc or button, a window manager's own key or menu), the kept
// choice follows what the player sees.
void fullscreenShownAs(bool on);

// The frame's reshape callback calls this first: a window manager that
// fills the screen with the window, or gives it back, resizes it.
void followFullscreenShown();
