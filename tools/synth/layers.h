#pragma once

#include "dsp.h"
#include "recipe.h"

#include <cstdint>

// Adds the sound one recipe line describes to `out`. `seed` feeds the line's
// own random choices, so editing one line never changes another's.
// Throws std::runtime_error for an unknown kind or a bad setting.
void renderLayer(const Directive& directive, Signal& out, std::uint64_t seed);

// The kinds, by family.
void renderTone(const Directive& directive, Signal& out);
void renderBell(const Directive& directive, Signal& out);
void renderMelody(const Directive& directive, Signal& out, Random& random);
void renderPad(const Directive& directive, Signal& out, std::uint64_t seed);
void renderBubbles(const Directive& directive, Signal& out, Random& random);
void renderTinkles(const Directive& directive, Signal& out, Random& random);
void renderNoise(const Directive& directive, Signal& out, Random& random);
void renderCrackle(const Directive& directive, Signal& out, Random& random);
void renderWind(const Directive& directive, Signal& out, std::uint64_t seed);
