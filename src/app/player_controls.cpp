#include "app/player_controls.h"

#include "app/game_clock.h"
#include "audio/sound_bank.h"
#include "platform/game_end.h"
#include "platform/window_fullscreen.h"
#include "player/settings.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A change is written this long after it is made, with whatever followed it:
// a player trying M a few times, or F11 and back, gives one write, and none
// of it in the frame that handled the key.
constexpr unsigned int settingsWriteDelayMs = 1000;

Settings settings;
bool fullscreenWhenShown = false;
bool settingsPending = false;

void writeSettingsLater(int) {
    keepPendingSettings();
}

void settingsChanged() {
    if (settingsPending) {
        return;
    }
    settingsPending = true;
    glutTimerFunc(settingsWriteDelayMs, writeSettingsLater, 0);
}

} // namespace

void keepPendingSettings() {
    if (settingsPending) {
        settingsPending = false;
        saveSettings(settings);
    }
}

void applyKeptSettings() {
    settings = loadSettings();
    settingsPending = false;
    // A game closed by its window's close button ends through exit too.
    static const bool keptAtExit = std::atexit([] { keepPendingSettings(); }) == 0;
    (void)keptAtExit;
    SoundBank::setMuted(settings.muted);
    SoundBank::setVolume(settings.volume);
    fullscreenWhenShown = settings.fullscreen;
}

void windowShown() {
    if (fullscreenWhenShown) {
        fullscreenWhenShown = false;
        showFullscreen(true);
    }
}

// From what the screen shows, not from the kept setting: a kept fullscreen
// not yet applied, or one the window manager ended, is not shown.
void toggleFullscreen() {
    fullscreenWhenShown = false;
    settings.fullscreen = !fullscreenShown();
    showFullscreen(settings.fullscreen);
    settingsChanged();
}

void followFullscreenShown() {
    if (!fullscreenWhenShown) {
        fullscreenShownAs(fullscreenShown());
    }
}

void fullscreenShownAs(const bool on) {
    if (settings.fullscreen != on) {
        settings.fullscreen = on;
        settingsChanged();
    }
}

void toggleMute() {
    settings.muted = !settings.muted;
    SoundBank::setMuted(settings.muted);
    settingsChanged();
}

std::int64_t volumeChangedAtMs = -1;

int soundVolume() {
    return settings.volume;
}

void changeVolume(const int steps) {
    settings.volume = std::clamp(settings.volume + steps, 0, 5);
    settings.unreadVolume.clear();
    SoundBank::setVolume(settings.volume);
    // A paused game's menu shows the volume itself.
    volumeChangedAtMs = gameClockHeld() ? -1 : elapsedMs;
    settingsChanged();
}

bool focusToggles() {
    return settings.focusToggles;
}

void setFocusToggles(const bool toggles) {
    settings.focusToggles = toggles;
    settings.unreadFocus.clear();
    settingsChanged();
}

void answerPlayerControl(const Action action) {
    switch (action) {
    case Action::mute:
        toggleMute();
        return;
    case Action::volumeDown:
        changeVolume(-1);
        return;
    case Action::volumeUp:
        changeVolume(1);
        return;
    case Action::fullscreen:
        toggleFullscreen();
        return;
    case Action::quit:
        keepPendingSettings();
        endGame();
        return;
    default:
        return;
    }
}
