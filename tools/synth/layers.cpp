#include "layers.h"

#include <stdexcept>

void renderLayer(const Directive& directive, Signal& out, std::uint64_t seed) {
    Random random(seed);
    const std::string& kind = directive.kind;
    if (kind == "tone") {
        renderTone(directive, out);
    } else if (kind == "bell") {
        renderBell(directive, out);
    } else if (kind == "melody") {
        renderMelody(directive, out, random);
    } else if (kind == "pad") {
        renderPad(directive, out, seed);
    } else if (kind == "bubbles") {
        renderBubbles(directive, out, random);
    } else if (kind == "tinkles") {
        renderTinkles(directive, out, random);
    } else if (kind == "noise") {
        renderNoise(directive, out, random);
    } else if (kind == "crackle") {
        renderCrackle(directive, out, random);
    } else if (kind == "wind") {
        renderWind(directive, out, seed);
    } else {
        throw std::runtime_error("line " + std::to_string(directive.line) + ": unknown kind " +
                                 kind);
    }
}
