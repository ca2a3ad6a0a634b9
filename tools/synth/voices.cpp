#include "voices.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

// Below this the level is lost under everything else in the game's mix.
constexpr double silentLevel = 1e-4;

long audibleSamples(double decay) {
    return toSamples(decay * std::log(1 / silentLevel)) + 1;
}

// A decaying sine by rotating a complex number: one multiply per sample
// instead of a sin() call, which matters across four minutes of bells.
void addRingingPartial(Signal& out, long start, double freq, double amplitude, double decay,
                       double attack) {
    if (freq >= sampleRate / 2.0 || amplitude <= 0) {
        return; // would alias into a false low tone
    }
    const long end = std::min<long>(static_cast<long>(out.size()), start + audibleSamples(decay));
    const std::complex<double> step =
        std::polar(std::exp(-1.0 / (decay * sampleRate)), twoPi * freq / sampleRate);
    std::complex<double> phasor(0, amplitude); // starts at zero crossing: no click
    const double attackSamples = std::max(1.0, attack * sampleRate);
    for (long i = std::max(0L, start); i < end; ++i) {
        const double age = static_cast<double>(i - start);
        const double rise = age < attackSamples ? smoothRamp(age / attackSamples) : 1.0;
        out[static_cast<size_t>(i)] += static_cast<float>(phasor.real() * rise);
        phasor *= step;
    }
}

} // namespace

void addTone(Signal& out, long start, const ToneShape& shape) {
    const long end =
        std::min<long>(static_cast<long>(out.size()), start + audibleSamples(shape.decay));
    const double attack = std::max(shape.attack, 1.0 / sampleRate);
    double phase = 0;
    for (long i = std::max(0L, start); i < end; ++i) {
        const double t = static_cast<double>(i - start) / sampleRate;
        const double hz = shape.to + (shape.freq - shape.to) * std::exp(-t / shape.glide);
        const double level = smoothRamp(t / attack) * std::exp(-t / shape.decay);

        double sample = 0;
        for (size_t h = 0; h < shape.harmonics.size(); ++h) {
            if (hz * static_cast<double>(h + 1) < sampleRate / 2.0) {
                sample += shape.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
            }
        }
        out[static_cast<size_t>(i)] += static_cast<float>(shape.gain * level * sample);
        phase = std::fmod(phase + twoPi * hz / sampleRate, twoPi);
    }
}

void addBell(Signal& out, long start, const BellShape& shape) {
    for (size_t k = 0; k < shape.ratios.size(); ++k) {
        const double ratio = shape.ratios[k];
        const double amp = shape.gain * (k < shape.amps.size() ? shape.amps[k] : 0.0);
        const double decay = shape.decay / std::pow(ratio, shape.damping);
        if (shape.beat > 0) {
            // A weaker twin: the level swells and dips by about 6 dB, a
            // shimmer rather than a tremolo.
            addRingingPartial(out, start, shape.freq * ratio, amp * 0.75, decay, shape.attack);
            addRingingPartial(out, start, shape.freq * ratio + shape.beat, amp * 0.25, decay,
                              shape.attack);
        } else {
            addRingingPartial(out, start, shape.freq * ratio, amp, decay, shape.attack);
        }
    }
}

void addSustain(Signal& out, long start, long length, double freq, double gain, double fade) {
    const long end = std::min<long>(static_cast<long>(out.size()), start + length);
    const double fadeSamples = std::max(1.0, fade * sampleRate);
    const std::complex<double> step = std::polar(1.0, twoPi * freq / sampleRate);
    std::complex<double> phasor(0, gain);
    for (long i = std::max(0L, start); i < end; ++i) {
        const double fromStart = static_cast<double>(i - start);
        const double toEnd = static_cast<double>(start + length - i);
        double level = 1;
        if (fromStart < fadeSamples) {
            level = smoothRamp(fromStart / fadeSamples);
        } else if (toEnd < fadeSamples) {
            level = smoothRamp(toEnd / fadeSamples);
        }
        out[static_cast<size_t>(i)] += static_cast<float>(phasor.real() * level);
        phasor *= step;
    }
}
