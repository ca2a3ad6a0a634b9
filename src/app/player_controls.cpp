#include "app/player_controls.h"

#include "audio/sound_bank.h"
#include "platform/window_fullscreen.h"
#include "player/settings.h"

#include <GL/freeglut.h>

namespace {

constexpr unsigned char enterKey = 13;

Settings settings;
bool fullscreenWhenShown = false;

} // namespace

void applyKeptSettings() {
    settings = loadSettings();
    SoundBank::setMuted(settings.muted);
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
    saveSettings(settings);
}

void followFullscreenShown() {
    if (!fullscreenWhenShown) {
        fullscreenShownAs(fullscreenShown());
    }
}

void fullscreenShownAs(const bool on) {
    if (settings.fullscreen != on) {
        settings.fullscreen = on;
        saveSettings(settings);
    }
}

void toggleMute() {
    settings.muted = !settings.muted;
    SoundBank::setMuted(settings.muted);
    saveSettings(settings);
}

bool controlKey(const unsigned char key) {
    if (key == 'm' || key == 'M') {
        toggleMute();
        return true;
    }
    if (key == enterKey && (glutGetModifiers() & GLUT_ACTIVE_ALT)) {
        toggleFullscreen();
        return true;
    }
    return false;
}

bool controlSpecialKey(const int key) {
    if (key == GLUT_KEY_F11) {
        toggleFullscreen();
        return true;
    }
    return false;
}
