#include "game/pause_panel.h"

#include "gfx/overlay_sprite.h"
#include "gfx/picture_paths.h"
#include "gfx/texture_cache.h"

#include <algorithm>

// Sections: the panel's layout; the pieces (plain quads, the values' cells,
// the volume's bars); the panel; a click on it; the volume shown alone.

namespace {

// ---------------------------------------------------------------------------
// The panel's layout, in canvas units (y up), as paused.svg draws it: the
// picture 480 units square at the centre, its lines 46 units apart under
// the heading, each 40 tall, names at the left and values centred on the
// right half.

constexpr float panelSize = 480;
constexpr float firstLineY = 50;
constexpr float linePitch = 46;
constexpr float lineHeight = 40;
constexpr float lineLeft = -190;
constexpr float lineRight = 190;
constexpr float valueX = 100;

// The scene stays in sight behind the panel, dimmed, so the player sees
// where the game stands before going on.
constexpr float dimming = 0.55f;

// The current line: a pale band across it and a warm mark at its left end,
// plain enough to find at a glance on a television across the room.
constexpr float bandAlpha = 0.13f;
constexpr float markWidth = 4;

// The words and marks of menuvalues.svg: cells of 160 by 40 units, four to a
// row, two rows, in this order.
enum class Cell { on, off, hold, toggle, speaker, speakerMuted, badge };
constexpr float cellWidth = 160;
constexpr float cellHeight = 40;
constexpr int cellColumns = 4;
constexpr int cellRows = 2;

// The volume's bars grow from left to right like a loudness wedge; filled in
// the lettering's gold up to the step, the rest faint.
struct BarLayout {
    float width;
    float gap;
    float shortest;
    float growth; // how much taller each bar is than the one before
};
constexpr BarLayout panelBars{10, 8, 8, 4};
constexpr BarLayout badgeBars{8, 6, 6, 3};
constexpr float gold[3] = {1.0f, 0.85f, 0.58f};
constexpr float emptyBarAlpha = 0.22f;

// Where the volume shows on its own: a small badge near the top right
// corner, clear of the window's edge.
constexpr float badgeX = 300;
constexpr float badgeY = 262;

float lineCentreY(const MenuLine line) {
    return firstLineY - linePitch * static_cast<float>(line);
}

// ---------------------------------------------------------------------------
// The pieces.

// A sprite with no picture is a plain quad in its colour.
void drawQuad(const float x, const float y, const float width, const float height, const float red,
              const float green, const float blue, const float alpha) {
    Sprite quad;
    quad.position = {x, y, 0};
    quad.scale = {width, height, 1};
    quad.colour[0] = red;
    quad.colour[1] = green;
    quad.colour[2] = blue;
    quad.colour[3] = alpha;
    quad.draw();
}

void drawCell(const Cell cell, const float x, const float y, const float alpha) {
    const int index = static_cast<int>(cell);
    Sprite piece = overlaySprite(pictures::menuValues, x, y, cellWidth, cellHeight);
    piece.texWindow = 1;
    piece.texScale[0] = 1.0f / cellColumns;
    piece.texScale[1] = 1.0f / cellRows;
    // The picture's top row is the texture's first.
    piece.texOffset[0] = static_cast<float>(index % cellColumns) / cellColumns;
    piece.texOffset[1] = static_cast<float>(index / cellColumns) / cellRows;
    piece.colour[3] = alpha;
    piece.draw();
}

// The bars, their feet on one line, the first one's left edge at x.
void drawBars(const BarLayout& bars, const int volume, const float x, const float footY,
              const float alpha) {
    for (int step = 0; step < volumeSteps; ++step) {
        const float height = bars.shortest + bars.growth * static_cast<float>(step);
        const float centreX =
            x + bars.width / 2 + (bars.width + bars.gap) * static_cast<float>(step);
        if (step < volume) {
            drawQuad(centreX, footY + height / 2, bars.width, height, gold[0], gold[1], gold[2],
                     alpha);
        } else {
            drawQuad(centreX, footY + height / 2, bars.width, height, 1, 1, 1,
                     emptyBarAlpha * alpha);
        }
    }
}

// A loudspeaker, struck through when there is no sound, and the bars after it.
void drawVolume(const BarLayout& bars, const int volume, const float speakerX, const float y,
                const float alpha) {
    const int step = std::clamp(volume, 0, volumeSteps);
    drawCell(step == 0 ? Cell::speakerMuted : Cell::speaker, speakerX, y, alpha);
    const float tallest = bars.shortest + bars.growth * (volumeSteps - 1);
    drawBars(bars, step, speakerX + 22, y - tallest / 2, alpha);
}

void drawValue(const MenuLine line, const PauseMenuView& view) {
    const float y = lineCentreY(line);
    switch (line) {
    case MenuLine::volume:
        drawVolume(panelBars, view.volume, valueX - 52, y, 1);
        break;
    case MenuLine::fullscreen:
        drawCell(view.fullscreen ? Cell::on : Cell::off, valueX, y, 1);
        break;
    case MenuLine::focus:
        drawCell(view.focusToggles ? Cell::toggle : Cell::hold, valueX, y, 1);
        break;
    case MenuLine::resume:
    case MenuLine::quit:
        break;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// The panel.

void drawPausePanel(const PauseMenuView& view) {
    drawQuad(0, 0, 800, 600, 0, 0, 0, dimming);
    overlaySprite(pictures::paused, 0, 0, panelSize, panelSize).draw();

    const float currentY = lineCentreY(view.current);
    drawQuad(0, currentY, lineRight - lineLeft, lineHeight, 1, 1, 1, bandAlpha);
    drawQuad(lineLeft + markWidth / 2, currentY, markWidth, lineHeight, gold[0], gold[1], gold[2],
             1);

    for (int line = 0; line < menuLineCount; ++line) {
        drawValue(static_cast<MenuLine>(line), view);
    }
}

// ---------------------------------------------------------------------------
// A click on it: the lines meet half way between their bands, so a click in
// the gap still counts for the nearer line.

bool menuLineAt(const float canvasX, const float canvasY, MenuLine& line) {
    if (canvasX < lineLeft || canvasX > lineRight) {
        return false;
    }
    for (int index = 0; index < menuLineCount; ++index) {
        const MenuLine candidate = static_cast<MenuLine>(index);
        const float distance = canvasY - lineCentreY(candidate);
        if (distance >= -linePitch / 2 && distance < linePitch / 2) {
            line = candidate;
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// The volume shown alone, over whatever screen is up.

void drawVolumeShown(const int volume, const float fade) {
    const float alpha = std::clamp(fade, 0.0f, 1.0f);
    if (alpha <= 0) {
        return;
    }
    // In the browser the badge's picture comes behind the title: until it is
    // in, the bars stand on a plain dark ground.
    if (pictureOnItsWay(pictures::menuValues)) {
        drawQuad(badgeX, badgeY, 120, 32, 0.08f, 0.1f, 0.22f, 0.88f * alpha);
        drawBars(badgeBars, std::clamp(volume, 0, volumeSteps), badgeX - 33, badgeY - 9, alpha);
        return;
    }
    drawCell(Cell::badge, badgeX, badgeY, alpha);
    drawVolume(badgeBars, volume, badgeX - 38, badgeY, alpha);
}
