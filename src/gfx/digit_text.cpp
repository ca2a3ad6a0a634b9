#include "gfx/digit_text.h"

#include "gfx/overlay_sprite.h"
#include "gfx/picture_paths.h"

#include <cstdio>
#include <cstring>

namespace {

// The characters of the digits picture, one 64 by 128 pixel cell each, in
// a row of 16 cells, lettered 70 pixels to the em (assets/img/digits.svg).
constexpr char glyphs[] = "0123456789:.-";
constexpr int cellCount = 16;
constexpr float cellWidthEms = 64.0f / 70.0f;
constexpr float cellHeightEms = 128.0f / 70.0f;

// Each character's advance in Comfortaa Bold, in ems. Its digits are as wide
// as their advances, so the characters get a little air between them too.
constexpr float advanceEms[] = {0.578f, 0.393f, 0.588f, 0.599f, 0.653f, 0.629f, 0.581f,
                                0.547f, 0.581f, 0.581f, 0.195f, 0.238f, 0.391f};
constexpr float spacingEms = 0.05f;

// The cell of a character, -1 for one the picture does not have.
int glyphCell(const char character) {
    const char* found = character == '\0' ? nullptr : std::strchr(glyphs, character);
    return found ? static_cast<int>(found - glyphs) : -1;
}

} // namespace

float digitTextWidth(const std::string_view text, const float fontSize) {
    float ems = 0;
    int drawn = 0;
    for (const char character : text) {
        const int cell = glyphCell(character);
        if (cell >= 0) {
            ems += advanceEms[cell];
            drawn += 1;
        }
    }
    if (drawn > 1) {
        ems += spacingEms * static_cast<float>(drawn - 1);
    }
    return ems * fontSize;
}

void drawDigitText(const std::string_view text, const float x, const float y, const float fontSize,
                   const float colour[4]) {
    // One sprite shows each character in turn through a window onto its cell.
    Sprite glyph =
        overlaySprite(pictures::digits, x, y, cellWidthEms * fontSize, cellHeightEms * fontSize);
    glyph.texWindow = 1;
    glyph.texScale[0] = 1.0f / cellCount;
    std::memcpy(glyph.colour, colour, sizeof glyph.colour);

    // Each character's cell is centred on its advance, as the picture centres
    // the character on its cell.
    float pen = x - digitTextWidth(text, fontSize) / 2;
    for (const char character : text) {
        const int cell = glyphCell(character);
        if (cell < 0) {
            continue;
        }
        glyph.position.x = pen + advanceEms[cell] * fontSize / 2;
        glyph.texOffset[0] = static_cast<float>(cell) / cellCount;
        glyph.draw();
        pen += (advanceEms[cell] + spacingEms) * fontSize;
    }
}

std::string gameTimeText(const int ms) {
    if (ms <= 0) {
        return "-:--.-";
    }
    // Tenths are cut, not rounded, as a stopwatch shows them: 59.96 seconds
    // reads 0:59.9, never 0:60.0.
    const int tenths = ms / 100;
    char text[24];
    std::snprintf(text, sizeof text, "%d:%02d.%d", tenths / 600, tenths / 10 % 60, tenths % 10);
    return text;
}
