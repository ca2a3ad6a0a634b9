// brumalo_synth: turns a sound recipe (assets/sounds/*.sound) into a WAV file.
//
//   brumalo_synth RECIPE OUTPUT.wav [--layers]
//
// The recipe's first line is "sound" with the whole sound's settings; every
// other line adds one layer. The same recipe always gives the same file.
#include "dsp.h"
#include "layers.h"
#include "mastering.h"
#include "recipe.h"
#include "wav_file.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

struct SoundHeader {
    double length = 1;
    std::uint64_t seed = 1;
    MasterSettings master;
};

SoundHeader readHeader(const Recipe& recipe) {
    if (recipe.directives.empty() || recipe.directives.front().kind != "sound") {
        throw std::runtime_error("the first line must be: sound length=... seed=...");
    }
    const Directive& sound = recipe.directives.front();
    SoundHeader header;
    header.length = number(sound, "length");
    header.seed = static_cast<std::uint64_t>(number(sound, "seed"));
    MasterSettings& master = header.master;
    master.loudnessDb = number(sound, "loudness", master.loudnessDb);
    master.ceilingDb = number(sound, "ceiling", master.ceilingDb);
    master.window = number(sound, "window", master.window);
    master.fadeIn = number(sound, "fadein", master.fadeIn);
    master.fadeOut = number(sound, "fadeout", master.fadeOut);
    master.reverbMix = number(sound, "reverb", master.reverbMix);
    master.room = number(sound, "room", master.room);
    master.damp = number(sound, "damp", master.damp);
    rejectUnknownKeys(sound, recipe.path);
    return header;
}

// For tuning a recipe by numbers: how loud each layer is on its own.
void describeLayer(const Directive& directive, const Signal& layer) {
    double peak = 0;
    for (const float sample : layer) {
        peak = std::fmax(peak, std::fabs(sample));
    }
    std::printf("  line %3d %-8s peak %7.1f dB  loudest 0.4 s %7.1f dB\n", directive.line,
                directive.kind.c_str(), 20 * std::log10(std::fmax(peak, 1e-12)),
                weightedLoudnessDb(layer, 0.4));
}

int synthesise(const std::string& recipePath, const std::string& outputPath, bool showLayers) {
    const Recipe recipe = readRecipe(recipePath);
    const SoundHeader header = readHeader(recipe);
    Signal mix(static_cast<size_t>(toSamples(header.length)), 0.0f);

    for (size_t i = 1; i < recipe.directives.size(); ++i) {
        const Directive& directive = recipe.directives[i];
        const std::uint64_t seed = header.seed * 7919 + i;
        if (showLayers) {
            Signal layer(mix.size(), 0.0f);
            renderLayer(directive, layer, seed);
            describeLayer(directive, layer);
            for (size_t s = 0; s < mix.size(); ++s) {
                mix[s] += layer[s];
            }
        } else {
            renderLayer(directive, mix, seed);
        }
        rejectUnknownKeys(directive, recipe.path);
    }

    const MasterReport report = master(mix, header.master);
    Random dither(header.seed ^ 0xD1u);
    if (!writeWav(outputPath, toPcm16(mix, dither), sampleRate)) {
        throw std::runtime_error("cannot write " + outputPath);
    }
    std::printf("%s: %.2f s, peak %.1f dBFS, loudness %.1f dB%s\n", outputPath.c_str(),
                header.length, report.peakDb, report.loudnessDb,
                report.heldByCeiling ? " (held down by the ceiling)" : "");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RECIPE OUTPUT.wav [--layers]\n", argv[0]);
        return 2;
    }
    const bool showLayers = argc > 3 && std::strcmp(argv[3], "--layers") == 0;
    try {
        return synthesise(argv[1], argv[2], showLayers);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
}
