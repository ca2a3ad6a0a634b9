#pragma once

#include "audio/fsound.h"

// The live game's sounds by name: up to 32 slots, filled in load order, each
// a sample, the name it answers to and the channel it last played on.
// Names are the caller's string constants; the bank keeps the pointer and
// compares the text.
struct SoundBank {
    static constexpr int slotCount = 32;

    FSOUND_SAMPLE* samples[slotCount];
    const char* names[slotCount];
    int channels[slotCount] = {};
    int count;

    // Empty slots without starting sound: the bank is built during static
    // initialisation, long before the live game calls init.
    SoundBank();

    // Starts the sound layer and empties every slot (channels are kept).
    void init();

    // Starts the sound layer only. Opening a sound device can take a tenth
    // of a second, so the title screen does it ahead of the game, and init
    // then finds the device already open.
    void openDevice();

    // Loads the file into the next slot under `name` and prints "Loaded loop
    // <name>", whether or not the file loaded.
    void load(const char* path, const char* name);

    // Starts the first slot by this name that has a sound and returns its
    // channel; 0 and an ERROR line when there is none.
    int play(const char* name);

    // Stops the last channel started from each slot.
    void stopAll();

    // Holds every sound where it is, or carries them all on.
    static void setPaused(bool paused);

    // Silences every sound, now and from then on, or restores them. It may
    // come before init, and the sound then starts silenced.
    static void setMuted(bool muted);

    // The player's volume, 0 (off) to 5 (full): each step 6 dB from the
    // next, an even stride to the ear.
    static void setVolume(int step);

    // stopAll, then shuts the sound layer down. Runs at process exit, also
    // when the live game was never entered.
    void close();
};
