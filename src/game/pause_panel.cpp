#include "game/pause_panel.h"

#include "gfx/overlay_sprite.h"
#include "gfx/picture_paths.h"

namespace {

// The scene stays in sight behind the panel, dimmed, so the player sees
// where the game stands before going on.
constexpr float dimming = 0.55f;

// The panel picture, one of its units to a canvas unit.
constexpr float panelWidth = 400;
constexpr float panelHeight = 200;

} // namespace

void drawPausePanel(const PauseMenuView&) {
    // A sprite with no picture is a plain quad in its colour.
    Sprite dim;
    dim.scale = {800, 600, 1};
    dim.colour[0] = 0;
    dim.colour[1] = 0;
    dim.colour[2] = 0;
    dim.colour[3] = dimming;
    dim.draw();

    overlaySprite(pictures::paused, 0, 0, panelWidth, panelHeight).draw();
}
