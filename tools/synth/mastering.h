#pragma once

#include "dsp.h"

#include <cstdint>
#include <vector>

// The finishing steps every sound goes through, so that all of them sit
// together in the game's mix: a touch of room, no DC, soft ends, a set
// loudness, and a peak safely below full scale.
struct MasterSettings {
    double loudnessDb = -16; // loudest `window` of the sound, weighted as the ear hears
    double ceilingDb = -1;   // no sample ever goes above this
    double window = 0.1;     // seconds; short sounds are judged by their loudest moment
    double fadeIn = 0.002;
    double fadeOut = 0.02;
    double reverbMix = 0;
    double room = 0.5;
    double damp = 0.5;
};

struct MasterReport {
    double peakDb = 0;
    double loudnessDb = 0;
    bool heldByCeiling = false; // the peak, not the loudness target, set the gain
};

MasterReport master(Signal& signal, const MasterSettings& settings);

// Loudness as `master` measures it: the loudest window's mean square in dB,
// after a filter that, like the ear, cares little for deep lows and more for
// the presence range.
double weightedLoudnessDb(const Signal& signal, double window);

// 16-bit samples with triangular dither, so quiet tails fade into a soft
// hiss instead of buzzing distortion.
std::vector<std::int16_t> toPcm16(const Signal& signal, Random& random);
