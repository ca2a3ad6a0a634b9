// Pitched layers: tones, bells, melodies, pads and scattered bubbles or tinkles.
#include "layers.h"
#include "voices.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

BellShape readBellShape(const Directive& directive) {
    BellShape shape;
    shape.ratios = numbers(directive, "ratios", shape.ratios);
    shape.amps = numbers(directive, "amps", shape.amps);
    shape.decay = number(directive, "decay");
    shape.damping = number(directive, "damping", shape.damping);
    shape.attack = number(directive, "attack", shape.attack);
    shape.beat = number(directive, "beat", shape.beat);
    shape.gain = number(directive, "gain", shape.gain);
    return shape;
}

// Start times within [at, at + length]; bias > 1 crowds them towards the start,
// as fragments and bubbles thin out after an impact.
double scatteredTime(const Directive& directive, Random& random) {
    const double at = number(directive, "at", 0);
    const double length = number(directive, "length");
    const double bias = number(directive, "bias", 1);
    return at + length * std::pow(random.uniform(), bias);
}

} // namespace

void renderTone(const Directive& directive, Signal& out) {
    ToneShape shape;
    shape.freq = frequency(directive, "freq");
    shape.to = has(directive, "to") ? frequency(directive, "to") : shape.freq;
    shape.glide = number(directive, "glide", shape.glide);
    shape.attack = number(directive, "attack", shape.attack);
    shape.decay = number(directive, "decay");
    shape.gain = number(directive, "gain", shape.gain);
    shape.harmonics = numbers(directive, "harmonics", shape.harmonics);
    addTone(out, toSamples(number(directive, "at", 0)), shape);
}

void renderBell(const Directive& directive, Signal& out) {
    BellShape shape = readBellShape(directive);
    shape.freq = frequency(directive, "freq");
    addBell(out, toSamples(number(directive, "at", 0)), shape);
}

// notes=E5,-,G5:2,B4+E5 : one step each unless ":n" says n steps; "-" rests;
// "+" strikes notes together. Small random timing and strength keep a
// repeated phrase from sounding like a machine.
void renderMelody(const Directive& directive, Signal& out, Random& random) {
    const BellShape base = readBellShape(directive);
    const double at = number(directive, "at", 0);
    const double step = number(directive, "step");
    const double humanise = number(directive, "humanise", 0);
    const double accent = number(directive, "accent", 0);
    const int repeat = static_cast<int>(number(directive, "repeat", 1));
    const std::vector<std::string> tokens = words(directive, "notes");

    double steps = 0;
    for (int pass = 0; pass < repeat; ++pass) {
        for (const std::string& token : tokens) {
            const size_t colon = token.find(':');
            const std::string head = token.substr(0, colon);
            const double length =
                colon == std::string::npos ? 1 : std::stod(token.substr(colon + 1));

            if (head != "-") {
                const double when = at + steps * step + humanise * random.bipolar();
                const double strength = 1 - accent * random.uniform();
                size_t from = 0;
                while (from <= head.size()) {
                    const size_t plus = std::min(head.find('+', from), head.size());
                    BellShape shape = base;
                    shape.freq = parseFrequency(head.substr(from, plus - from), directive);
                    shape.gain = base.gain * strength;
                    addBell(out, toSamples(std::max(0.0, when)), shape);
                    from = plus + 1;
                }
            }
            steps += length;
        }
    }
}

// chords=E3+B3+G4,C3+G3+E4 held `step` seconds each, overlapping by `fade`.
// Each note is two sines a few cents apart, so the chord breathes slowly
// rather than standing still, plus a little octave for warmth.
void renderPad(const Directive& directive, Signal& out, std::uint64_t seed) {
    const double at = number(directive, "at", 0);
    const double step = number(directive, "step");
    const double fade = number(directive, "fade", step / 3);
    const double gain = number(directive, "gain", 1);
    const double detuneCents = number(directive, "detune", 6);
    const double octave = number(directive, "octave", 0.2);
    const double swell = number(directive, "swell", 0.3);
    const double period = number(directive, "period", 9);
    const std::vector<std::string> chords = words(directive, "chords");

    Signal pad(out.size(), 0.0f);
    const double spread = std::pow(2.0, detuneCents / 1200 / 2);
    for (size_t c = 0; c < chords.size(); ++c) {
        const long start = toSamples(at + static_cast<double>(c) * step);
        const long length = toSamples(step + fade);
        const std::string& chord = chords[c];
        size_t from = 0;
        while (from <= chord.size()) {
            const size_t plus = std::min(chord.find('+', from), chord.size());
            const double hz = parseFrequency(chord.substr(from, plus - from), directive);
            addSustain(pad, start, length, hz * spread, 0.6, fade);
            addSustain(pad, start, length, hz / spread, 0.4, fade);
            addSustain(pad, start, length, hz * 2, octave, fade);
            from = plus + 1;
        }
    }

    constexpr size_t breathEvery = 32;
    Drift breath(seed, period, static_cast<double>(sampleRate) / breathEvery);
    double level = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        if (i % breathEvery == 0) {
            level = 1 - swell + swell * breath.next();
        }
        out[i] += static_cast<float>(gain * level * pad[i]);
    }
}

// Small air bubbles: tones whose pitch rises as they shrink.
void renderBubbles(const Directive& directive, Signal& out, Random& random) {
    const int count = static_cast<int>(number(directive, "count"));
    const double low = frequency(directive, "low");
    const double high = frequency(directive, "high");
    const double rise = number(directive, "rise", 1.8);
    const double decay = number(directive, "decay");
    const double gain = number(directive, "gain", 1);

    for (int b = 0; b < count; ++b) {
        const double when = scatteredTime(directive, random);
        ToneShape shape;
        shape.freq = random.between(low, high);
        shape.to = shape.freq * rise;
        shape.decay = decay * random.between(0.7, 1.3);
        shape.glide = shape.decay * 0.8;
        shape.gain = gain * random.between(0.4, 1.0);
        addTone(out, toSamples(when), shape);
    }
}

// Struck things at random moments: chips of ice at random pitches between
// low= and high=, or wind chimes picking from notes= (a tuned set of tubes).
void renderTinkles(const Directive& directive, Signal& out, Random& random) {
    const BellShape base = readBellShape(directive);
    const int count = static_cast<int>(number(directive, "count"));
    std::vector<double> tuned;
    if (has(directive, "notes")) {
        for (const std::string& note : words(directive, "notes")) {
            tuned.push_back(parseFrequency(note, directive));
        }
    }
    const double low = tuned.empty() ? frequency(directive, "low") : 0;
    const double high = tuned.empty() ? frequency(directive, "high") : 0;

    for (int t = 0; t < count; ++t) {
        const double when = scatteredTime(directive, random);
        BellShape shape = base;
        if (tuned.empty()) {
            shape.freq = random.between(low, high);
        } else {
            const auto pick =
                static_cast<size_t>(random.uniform() * static_cast<double>(tuned.size()));
            shape.freq = tuned[std::min(pick, tuned.size() - 1)];
        }
        shape.decay = base.decay * random.between(0.6, 1.4);
        shape.gain = base.gain * random.between(0.3, 1.0);
        addBell(out, toSamples(when), shape);
    }
}
