#pragma once

// Over a paused game: the scene dimmed, and the pause menu's panel.

// The menu's lines, top to bottom.
enum class MenuLine { resume, volume, fullscreen, focus, quit };
inline constexpr int menuLineCount = 5;

// The steps of the volume: 0 is off, volumeSteps is full.
inline constexpr int volumeSteps = 5;

// What the panel shows: the line the player is on, and each line's value.
struct PauseMenuView {
    MenuLine current = MenuLine::resume;
    int volume = volumeSteps;
    bool fullscreen = false;
    bool focusToggles = false; // "toggle" rather than "hold"
};

void drawPausePanel(const PauseMenuView& view);

// The line drawn under a canvas point, for a click; false where there is none.
bool menuLineAt(float canvasX, float canvasY, MenuLine& line);

// The volume, drawn small over whatever screen shows, for a moment after the
// player changed it; `fade` runs from 1 (just changed) to 0 (gone).
void drawVolumeShown(int volume, float fade);
