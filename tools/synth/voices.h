#pragma once

#include "dsp.h"

#include <vector>

// The building blocks every layer is made of, added into a signal at a start
// sample. Each stops where it has faded below hearing or the signal ends.

// A sine (with optional harmonics) whose pitch eases from `freq` to `to`, like
// a shrinking bubble, under a soft attack and an exponential decay.
struct ToneShape {
    double freq = 440;
    double to = 440;
    double glide = 0.03;   // seconds for the pitch to get most of the way
    double attack = 0.001; // seconds
    double decay = 0.1;    // seconds for the level to fall by e
    double gain = 1;
    std::vector<double> harmonics = {1};
};
void addTone(Signal& out, long start, const ToneShape& shape);

// A struck bar or bell: inharmonic partials, the higher ones dying sooner.
// `beat` adds a weaker twin that many hertz away, the slow shimmer of a bell.
struct BellShape {
    double freq = 440;
    std::vector<double> ratios = {1, 2.76, 5.40, 8.93};
    std::vector<double> amps = {1, 0.5, 0.25, 0.12};
    double decay = 1;     // of the lowest partial
    double damping = 0.7; // partial k decays in decay / ratio^damping
    double attack = 0.001;
    double beat = 0;
    double gain = 1;
};
void addBell(Signal& out, long start, const BellShape& shape);

// A steady sine at a fixed pitch between two samples, under a raised-cosine
// fade at each end; the pad's chords are made of these.
void addSustain(Signal& out, long start, long length, double freq, double gain, double fade);
