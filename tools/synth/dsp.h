#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int sampleRate = 44100;
constexpr double twoPi = 6.283185307179586;

using Signal = std::vector<float>;

inline long toSamples(double seconds) {
    return static_cast<long>(seconds * sampleRate + 0.5);
}

// A small generator of our own, so the same recipe and seed give the same
// samples with any standard library.
struct Random {
    std::uint64_t state;

    explicit Random(std::uint64_t seed);
    std::uint32_t next();
    double uniform();                        // [0, 1)
    double between(double low, double high); // [low, high)
    double bipolar();                        // [-1, 1)
};

// RBJ biquad filter, direct form I in double precision.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    static Biquad lowPass(double hz, double q = 0.7071);
    static Biquad highPass(double hz, double q = 0.7071);
    static Biquad bandPass(double hz, double q); // 0 dB at the centre
    static Biquad highShelf(double hz, double gainDb);

    // Re-tunes a band-pass while it runs, keeping its memory (for sweeps).
    void setBandPass(double hz, double q);
    double process(double x);
};

// A value that wanders smoothly between 0 and 1, taking a fresh random
// target every `period` seconds and easing towards it: gusts, swells.
// `next` is called `ticksPerSecond` times a second.
struct Drift {
    Random random;
    double from, to;
    long ticksLeft, ticksPerStep;

    Drift(std::uint64_t seed, double period, double ticksPerSecond = sampleRate);
    double next();
};

// Raised-cosine ramp from 0 at 0 to 1 at 1, flat outside: fades without clicks.
double smoothRamp(double x);

// Freeverb-style mono room: eight damped combs into four all-passes.
struct Reverb {
    struct Comb {
        std::vector<float> buffer;
        std::size_t at = 0;
        float store = 0;
    };
    struct AllPass {
        std::vector<float> buffer;
        std::size_t at = 0;
    };
    Comb combs[8];
    AllPass allPasses[4];
    float feedback, damp;

    Reverb(double room, double damping);
    float process(float input);
};
