// Noise layers: bursts, crackles and wind.
#include "layers.h"

#include <algorithm>
#include <cmath>

namespace {

// Optional high-pass and low-pass, read from the same keys on every kind.
struct ToneFilters {
    bool hasHigh = false, hasLow = false;
    Biquad high, low;

    explicit ToneFilters(const Directive& directive) {
        if (has(directive, "highpass")) {
            hasHigh = true;
            high = Biquad::highPass(frequency(directive, "highpass"));
        }
        if (has(directive, "lowpass")) {
            hasLow = true;
            low = Biquad::lowPass(frequency(directive, "lowpass"));
        }
        directive.read.insert("highpass");
        directive.read.insert("lowpass");
    }

    double process(double x) {
        if (hasHigh) {
            x = high.process(x);
        }
        if (hasLow) {
            x = low.process(x);
        }
        return x;
    }
};

} // namespace

// White noise through the filters, shaped by attack, decay and a short release
// at the end so it never stops on a click.
void renderNoise(const Directive& directive, Signal& out, Random& random) {
    const long start = toSamples(number(directive, "at", 0));
    const double length = number(directive, "length");
    const double attack = std::max(number(directive, "attack", 0.001), 1.0 / sampleRate);
    const double decay = number(directive, "decay", 0);
    const double release = std::max(number(directive, "release", 0.005), 1.0 / sampleRate);
    const double gain = number(directive, "gain", 1);
    ToneFilters filters(directive);

    const long end = std::min<long>(static_cast<long>(out.size()), start + toSamples(length));
    for (long i = start; i < end; ++i) {
        const double t = static_cast<double>(i - start) / sampleRate;
        double level = smoothRamp(t / attack) * smoothRamp((length - t) / release);
        if (decay > 0) {
            level *= std::exp(-t / decay);
        }
        out[static_cast<size_t>(i)] +=
            static_cast<float>(gain * level * filters.process(random.bipolar()));
    }
}

// Clicks at random moments, thick at first and thinning out over `falloff`
// seconds: splinters of a crack, or slush settling.
void renderCrackle(const Directive& directive, Signal& out, Random& random) {
    const double at = number(directive, "at", 0);
    const double length = number(directive, "length");
    const double density = number(directive, "density");
    const double falloff = number(directive, "falloff");
    const double grain = number(directive, "grain", 0.0015);
    const double gain = number(directive, "gain", 1);
    ToneFilters filters(directive);

    Signal clicks(out.size(), 0.0f);
    double t = 0;
    while (true) {
        const double rate = density * std::exp(-t / falloff);
        t += -std::log(1 - random.uniform()) / rate;
        if (t >= length) {
            break;
        }
        const long start = toSamples(at + t);
        const double strength = random.between(0.25, 1.0) * std::exp(-t / falloff);
        const double sign = random.uniform() < 0.5 ? -1 : 1;
        const double clickDecay = grain * random.between(0.5, 1.5) / 3;
        const long end =
            std::min<long>(static_cast<long>(out.size()), start + toSamples(grain * 2));
        for (long i = start; i < end; ++i) {
            const double age = static_cast<double>(i - start) / sampleRate;
            const double noise = 0.5 * sign + 0.5 * random.bipolar();
            clicks[static_cast<size_t>(i)] +=
                static_cast<float>(strength * std::exp(-age / clickDecay) * noise);
        }
    }

    const long start = std::max(0L, toSamples(at));
    const long end =
        std::min<long>(static_cast<long>(out.size()), toSamples(at + length + grain * 2));
    for (long i = start; i < end; ++i) {
        out[static_cast<size_t>(i)] +=
            static_cast<float>(gain * filters.process(clicks[static_cast<size_t>(i)]));
    }
}

// Noise through a resonant band whose centre and level follow slow gusts
// (louder gusts are brighter, as real wind is), with a faster flutter on top.
void renderWind(const Directive& directive, Signal& out, std::uint64_t seed) {
    const double at = number(directive, "at", 0);
    const double totalSeconds = static_cast<double>(out.size()) / sampleRate;
    const double length = number(directive, "length", totalSeconds - at);
    const double low = frequency(directive, "low");
    const double high = frequency(directive, "high");
    const double q = number(directive, "q", 1);
    const double gust = number(directive, "gust", 6);
    const double depth = number(directive, "depth", 0.6);
    const double flutter = number(directive, "flutter", 0.15);
    const double fade = number(directive, "fade", 2);
    const double gain = number(directive, "gain", 1);

    // Gusts change over seconds, so the band is re-tuned every few samples
    // rather than every one.
    constexpr int tuneEvery = 32;
    Random noise(seed);
    Drift gusts(seed + 1, gust, sampleRate / tuneEvery);
    Drift wobble(seed + 2, gust * 0.17, sampleRate / tuneEvery);
    Biquad band = Biquad::bandPass(low, q);

    const long start = toSamples(at);
    const long end = std::min<long>(static_cast<long>(out.size()), start + toSamples(length));
    double strength = 0;
    for (long i = start; i < end; ++i) {
        if ((i - start) % tuneEvery == 0) {
            strength = (1 - flutter) * gusts.next() + flutter * wobble.next();
            band.setBandPass(low * std::pow(high / low, strength), q);
        }
        const double t = static_cast<double>(i - start) / sampleRate;
        const double edges = smoothRamp(t / fade) * smoothRamp((length - t) / fade);
        const double level = (1 - depth + depth * strength) * edges;
        out[static_cast<size_t>(i)] +=
            static_cast<float>(gain * level * band.process(noise.bipolar()));
    }
}
