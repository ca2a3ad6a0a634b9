#pragma once

// The live game's nine sounds, by name and file, in the order it loads them
// (so they take the bank's slots 0 to 8), and the five drip sounds a landing
// drop chooses from.

#include <string>

struct GameSound {
    const char* name;
    const char* file;
};

inline constexpr GameSound gameSounds[] = {
    {"bg", "bg.mp3"},       {"drip0", "drip0.wav"}, {"drip1", "drip1.wav"},
    {"drip2", "drip2.wav"}, {"drip3", "drip3.wav"}, {"drip4", "drip4.wav"},
    {"plop", "plop.wav"},   {"break", "break.wav"}, {"ding", "ding.wav"},
};

inline constexpr const char* dripSounds[] = {"drip0", "drip1", "drip2", "drip3", "drip4"};

// What loading the nine sounds prints: one line a sound, in load order.
inline std::string gameSoundLoadLines() {
    std::string lines;
    for (const GameSound& sound : gameSounds) {
        lines += "Loaded loop " + std::string(sound.name) + "\n";
    }
    return lines;
}
