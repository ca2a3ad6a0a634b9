#include "audio/sound_bank.h"

#include <algorithm>

#include <cstdio>
#include <cstring>

namespace {

// Every unfilled slot points at this one string.
const char* const noName = "";

void printLine(const char* first, const char* second, const char* third = "") {
    std::fputs(first, stdout);
    std::fputs(second, stdout);
    std::fputs(third, stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

void emptySlots(SoundBank& bank) {
    for (int i = 0; i < SoundBank::slotCount; ++i) {
        bank.samples[i] = nullptr;
        bank.names[i] = noName;
    }
    bank.count = 0;
}

} // namespace

SoundBank::SoundBank() {
    emptySlots(*this);
}

void SoundBank::init() {
    openDevice();

    // Slots start over; the channels of earlier plays stay remembered.
    emptySlots(*this);
}

void SoundBank::openDevice() {
    // More hardware voices than any card has: the sound is always mixed in
    // software, the same on every machine.
    FSOUND_SetMinHardwareChannels(1000000);
    FSOUND_Init(44100, 32, 0);
}

void SoundBank::load(const char* path, const char* name) {
    // Past the last slot there is nowhere to keep the sample, so the file is
    // not even opened.
    if (count >= slotCount) {
        printLine("ERROR: No free sound slot for ", name);
        return;
    }

    samples[count] = FSOUND_Sample_Load(FSOUND_FREE, path, FSOUND_LOOP_OFF, 0, 0);
    names[count] = name;
    count += 1;

    printLine("Loaded loop ", name);
}

int SoundBank::play(const char* name) {
    // Every slot is searched, filled or not; an unfilled one never matches a
    // real name.
    for (int i = 0; i < slotCount; ++i) {
        if (std::strcmp(names[i], name) != 0) {
            continue;
        }
        if (samples[i] != nullptr) {
            channels[i] = FSOUND_PlaySound(FSOUND_FREE, samples[i]);
            return channels[i];
        }
        printLine("ERROR: No sample associated with ", names[i]);
    }

    printLine("ERROR: Sample ", name, " not found");
    return 0;
}

void SoundBank::stopAll() {
    // Only the last play of each slot is remembered; earlier overlapping plays
    // of the same sound run to their end.
    for (int i = 0; i < slotCount; ++i) {
        FSOUND_StopSound(channels[i]);
    }
}

void SoundBank::setPaused(const bool paused) {
    FSOUND_SetPaused(FSOUND_ALL, paused ? 1 : 0);
}

void SoundBank::setMuted(const bool muted) {
    FSOUND_SetMute(FSOUND_ALL, muted ? 1 : 0);
}

void SoundBank::setVolume(const int step) {
    // Halving the amplitude for each step down from full; off is silence.
    const int clamped = std::clamp(step, 0, 5);
    FSOUND_SetSFXMasterVolume(clamped == 0 ? 0 : 255 >> (5 - clamped));
}

void SoundBank::close() {
    stopAll();
    FSOUND_Close();
}
