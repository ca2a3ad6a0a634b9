#include "dsp.h"

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------
// Random: splitmix64, good enough for noise and cheap to seed.

Random::Random(std::uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 1) {}

std::uint32_t Random::next() {
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

double Random::uniform() {
    return next() / 4294967296.0;
}

double Random::between(double low, double high) {
    return low + (high - low) * uniform();
}

double Random::bipolar() {
    return 2.0 * uniform() - 1.0;
}

// ---------------------------------------------------------------------------
// Biquad: the cookbook formulas.

namespace {

Biquad normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad filter;
    filter.b0 = b0 / a0;
    filter.b1 = b1 / a0;
    filter.b2 = b2 / a0;
    filter.a1 = a1 / a0;
    filter.a2 = a2 / a0;
    return filter;
}

} // namespace

Biquad Biquad::lowPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::highPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::bandPass(double hz, double q) {
    Biquad filter;
    filter.setBandPass(hz, q);
    return filter;
}

void Biquad::setBandPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const Biquad tuned = normalised(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
    b0 = tuned.b0;
    b1 = tuned.b1;
    b2 = tuned.b2;
    a1 = tuned.a1;
    a2 = tuned.a2;
}

Biquad Biquad::highShelf(double hz, double gainDb) {
    const double a = std::pow(10.0, gainDb / 40);
    const double w = twoPi * hz / sampleRate;
    const double c = std::cos(w);
    const double alpha = std::sin(w) / 2 * std::sqrt(2.0);
    const double root = 2 * std::sqrt(a) * alpha;
    return normalised(a * ((a + 1) + (a - 1) * c + root), -2 * a * ((a - 1) + (a + 1) * c),
                      a * ((a + 1) + (a - 1) * c - root), (a + 1) - (a - 1) * c + root,
                      2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - root);
}

double Biquad::process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

// ---------------------------------------------------------------------------
// Drift

Drift::Drift(std::uint64_t seed, double period, double ticksPerSecond)
    : random(seed), from(0), to(0), ticksLeft(0),
      ticksPerStep(std::max(1L, std::lround(period * ticksPerSecond))) {
    from = random.uniform();
    to = random.uniform();
    ticksLeft = ticksPerStep;
}

double Drift::next() {
    if (ticksLeft == 0) {
        from = to;
        to = random.uniform();
        ticksLeft = ticksPerStep;
    }
    const double progress =
        1.0 - static_cast<double>(ticksLeft) / static_cast<double>(ticksPerStep);
    --ticksLeft;
    return from + (to - from) * smoothRamp(progress);
}

double smoothRamp(double x) {
    if (x <= 0) {
        return 0;
    }
    if (x >= 1) {
        return 1;
    }
    return 0.5 - 0.5 * std::cos(x * twoPi / 2);
}

// ---------------------------------------------------------------------------
// Reverb: the classic Freeverb tunings at 44.1 kHz.

Reverb::Reverb(double room, double damping)
    : feedback(static_cast<float>(0.7 + 0.28 * room)), damp(static_cast<float>(0.4 * damping)) {
    static const int combLengths[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int allPassLengths[4] = {556, 441, 341, 225};
    for (int i = 0; i < 8; ++i) {
        combs[i].buffer.assign(static_cast<size_t>(combLengths[i]), 0.0f);
    }
    for (int i = 0; i < 4; ++i) {
        allPasses[i].buffer.assign(static_cast<size_t>(allPassLengths[i]), 0.0f);
    }
}

float Reverb::process(float input) {
    const float scaled = input * 0.015f;
    float sum = 0;
    for (Comb& comb : combs) {
        const float delayed = comb.buffer[comb.at];
        comb.store = delayed * (1 - damp) + comb.store * damp;
        comb.buffer[comb.at] = scaled + comb.store * feedback;
        comb.at = (comb.at + 1) % comb.buffer.size();
        sum += delayed;
    }
    for (AllPass& pass : allPasses) {
        const float delayed = pass.buffer[pass.at];
        pass.buffer[pass.at] = sum + delayed * 0.5f;
        pass.at = (pass.at + 1) % pass.buffer.size();
        sum = delayed - sum;
    }
    return sum * 3.0f;
}
