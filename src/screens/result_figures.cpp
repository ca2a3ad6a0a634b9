#include "screens/result_figures.h"

#include "gfx/digit_text.h"
#include "gfx/overlay_sprite.h"
#include "gfx/picture_paths.h"

#include <string>

namespace {

// Where the win and lose pictures leave room for the figures: under the
// names on their two cards (assets/img/win.svg and lose.svg, whose y runs
// down), in canvas units.
constexpr float leftFigureX = -129;
constexpr float rightFigureX = 129;
constexpr float figureY = -26;
constexpr float figureFontSize = 46;

// The "new best" mark lies under the right-hand card, the best time's.
constexpr float newBestY = -84;
constexpr float newBestWidth = 320;
constexpr float newBestHeight = 40;

// The screens' own colours: each one's lettering for this game's figure,
// and the instructions' gold for the record.
constexpr float winLettering[4] = {1.0f, 0.957f, 0.91f, 1};     // #fff4e8
constexpr float loseLettering[4] = {0.941f, 0.902f, 0.949f, 1}; // #f0e6f2
constexpr float recordGold[4] = {1.0f, 0.851f, 0.576f, 1};      // #ffd993

} // namespace

void drawResultFigures(const ResultFigures& figures) {
    if (figures.won) {
        drawDigitText(gameTimeText(figures.timeMs), leftFigureX, figureY, figureFontSize,
                      winLettering);
        drawDigitText(gameTimeText(figures.bestMs), rightFigureX, figureY, figureFontSize,
                      recordGold);
        if (figures.newBest) {
            overlaySprite(pictures::newBest, rightFigureX, newBestY, newBestWidth, newBestHeight)
                .draw();
        }
        return;
    }

    drawDigitText(std::to_string(figures.fishCaught), leftFigureX, figureY, figureFontSize,
                  loseLettering);
    drawDigitText(std::to_string(figures.mostFish), rightFigureX, figureY, figureFontSize,
                  recordGold);
}
