#include "mastering.h"

#include <algorithm>
#include <cmath>

namespace {

double toDb(double amplitude) {
    return 20 * std::log10(std::max(amplitude, 1e-12));
}

double peakOf(const Signal& signal) {
    double peak = 0;
    for (const float sample : signal) {
        peak = std::max(peak, static_cast<double>(std::fabs(sample)));
    }
    return peak;
}

void addRoom(Signal& signal, const MasterSettings& settings) {
    if (settings.reverbMix <= 0) {
        return;
    }
    Reverb room(settings.room, settings.damp);
    for (float& sample : signal) {
        sample += static_cast<float>(settings.reverbMix) * room.process(sample);
    }
}

// A 20 Hz one-pole high-pass: removes any offset the layers built up, which
// would otherwise thump when the sound starts and stops.
void removeDc(Signal& signal) {
    const double pole = 1 - twoPi * 20 / sampleRate;
    double previousIn = 0, previousOut = 0;
    for (float& sample : signal) {
        const double out = sample - previousIn + pole * previousOut;
        previousIn = sample;
        previousOut = out;
        sample = static_cast<float>(out);
    }
}

void fadeEnds(Signal& signal, double fadeIn, double fadeOut) {
    const double inSamples = std::max(1.0, fadeIn * sampleRate);
    const double outSamples = std::max(1.0, fadeOut * sampleRate);
    const size_t count = signal.size();
    for (size_t i = 0; i < count; ++i) {
        const double fromEnd = static_cast<double>(count - 1 - i);
        signal[i] *= static_cast<float>(smoothRamp(static_cast<double>(i) / inSamples) *
                                        smoothRamp(fromEnd / outSamples));
    }
}

} // namespace

double weightedLoudnessDb(const Signal& signal, double window) {
    Biquad lows = Biquad::highPass(60, 0.5);
    Biquad presence = Biquad::highShelf(1500, 4);
    std::vector<double> squares(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const double weighted = presence.process(lows.process(signal[i]));
        squares[i] = weighted * weighted;
    }

    const size_t span = std::clamp<size_t>(static_cast<size_t>(toSamples(window)), 1,
                                           std::max<size_t>(signal.size(), 1));
    double sum = 0, loudest = 0;
    for (size_t i = 0; i < squares.size(); ++i) {
        sum += squares[i];
        if (i >= span) {
            sum -= squares[i - span];
        }
        loudest = std::max(loudest, sum / static_cast<double>(span));
    }
    return 10 * std::log10(std::max(loudest, 1e-24));
}

MasterReport master(Signal& signal, const MasterSettings& settings) {
    addRoom(signal, settings);
    removeDc(signal);
    fadeEnds(signal, settings.fadeIn, settings.fadeOut);

    const double loudness = weightedLoudnessDb(signal, settings.window);
    const double peak = peakOf(signal);
    const double loudnessGain = std::pow(10.0, (settings.loudnessDb - loudness) / 20);
    const double ceilingGain = std::pow(10.0, settings.ceilingDb / 20) / std::max(peak, 1e-12);

    MasterReport report;
    report.heldByCeiling = ceilingGain < loudnessGain;
    const double gain = std::min(loudnessGain, ceilingGain);
    for (float& sample : signal) {
        sample = static_cast<float>(sample * gain);
    }
    report.peakDb = toDb(peak * gain);
    report.loudnessDb = loudness + toDb(gain);
    return report;
}

std::vector<std::int16_t> toPcm16(const Signal& signal, Random& random) {
    std::vector<std::int16_t> pcm(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const double dither = (random.uniform() - random.uniform()); // one step, triangular
        const double scaled = std::round(signal[i] * 32767.0 + dither);
        pcm[i] = static_cast<std::int16_t>(std::clamp(scaled, -32767.0, 32767.0));
    }
    return pcm;
}
