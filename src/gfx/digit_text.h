#pragma once

#include <string>
#include <string_view>

// Figures lettered from the digits picture: 0-9, ':', '.' and '-' in the
// screens' Comfortaa Bold, spaced as that font spaces them. Any other
// character is left out.

// How wide the text is when lettered fontSize canvas units to the em (the
// size an SVG font-size gives).
float digitTextWidth(std::string_view text, float fontSize);

// Letters the text centred on (x, y), its digits' middle on y. The
// lettering is white and takes the colour as a tint; its shadow stays dark.
void drawDigitText(std::string_view text, float x, float y, float fontSize, const float colour[4]);

// A game time in minutes, seconds and tenths ("1:42.3"); "-:--.-" for no time
// at all (0 or less), as a best time reads before the first win.
std::string gameTimeText(int ms);
