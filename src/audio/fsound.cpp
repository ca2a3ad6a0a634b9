#include "audio/fsound.h"

#include "audio/sound_file_kind.h"
#include "platform/mixer.h"

#include <algorithm>
#include <cstring>

struct FSOUND_SAMPLE {
    Mix_Chunk* chunk = nullptr; // decoded whole: every WAV
    Mix_Music* music = nullptr; // streamed: a 240 s MP3 decoded whole costs ~40 MB and ~200 ms
    int awaited = -1;           // the expected file it waits for, or -1 once it holds its sound
    int wantedPlayback = 0;     // the handle of a play asked for while it waited, or 0
};

namespace {

constexpr signed char fsoundTrue = 1;
constexpr signed char fsoundFalse = 0;

constexpr int samplePoolSize = 256;
constexpr int maxMixChannels = 64;
// Mixer channels are 0..maxMixChannels-1; the one music stream gets the slot after them.
constexpr int musicSlot = maxMixChannels;
constexpr int maxExpectedFiles = 16;
constexpr int maxPathLength = 128;

// Plain zero-initialised data only: see the note in the header.
struct SoundLayer {
    bool open;
    bool muted;    // kept while the device is closed, and applied when it opens
    int volumeCut; // 255 less the master volume, so that the zeroed layer is at full
    int mixChannels;
    int minHardwareChannels;
    int lastPlayback;                       // handle of the most recent playback
    int playbackOn[maxMixChannels + 1];     // handle of what each channel carries, 0 if none
    FSOUND_SAMPLE* samples[samplePoolSize]; // every loaded sample, freed by FSOUND_Close
    bool paused;                            // as FSOUND_SetPaused last left every sound
    char expected[maxExpectedFiles][maxPathLength]; // files on their way; "" for a free entry
};
SoundLayer layer;

int findExpected(const char* path) {
    for (int index = 0; index < maxExpectedFiles; ++index) {
        if (layer.expected[index][0] != '\0' && std::strcmp(layer.expected[index], path) == 0) {
            return index;
        }
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Samples

bool isLoaded(const FSOUND_SAMPLE* sample) {
    if (sample == nullptr) {
        return false;
    }
    for (const FSOUND_SAMPLE* loaded : layer.samples) {
        if (loaded == sample) {
            return true;
        }
    }
    return false;
}

void freeSample(FSOUND_SAMPLE* sample) {
    if (sample->chunk != nullptr) {
        freeChunk(sample->chunk);
    }
    if (sample->music != nullptr) {
        freeMusic(sample->music);
    }
    delete sample;
}

int chooseSampleSlot(int index) {
    if (index >= 0 && index < samplePoolSize) {
        return index;
    }
    if (index != FSOUND_FREE) {
        return -1;
    }
    for (int slot = 0; slot < samplePoolSize; ++slot) {
        if (layer.samples[slot] == nullptr) {
            return slot;
        }
    }
    return -1;
}

FSOUND_SAMPLE* decode(const char* path) {
    FSOUND_SAMPLE sample;
    switch (identifySoundFile(path)) {
    case SoundFileKind::wave:
        sample.chunk = Mix_LoadWAV(path);
        break;
    case SoundFileKind::mp3:
        sample.music = loadStreamedSound(path);
        break;
    case SoundFileKind::unusable:
        break;
    }
    if (sample.chunk == nullptr && sample.music == nullptr) {
        return nullptr;
    }
    return new FSOUND_SAMPLE(sample);
}

// ---------------------------------------------------------------------------
// Playbacks

int nextPlaybackHandle() {
    // Positive and never 0, also after wrapping around.
    layer.lastPlayback = layer.lastPlayback >= 0x7FFFFFFF ? 1 : layer.lastPlayback + 1;
    return layer.lastPlayback;
}

// The waiting sample a play was asked of, by the play's handle.
FSOUND_SAMPLE* findWantedPlayback(int handle) {
    if (handle <= 0) {
        return nullptr;
    }
    for (FSOUND_SAMPLE* sample : layer.samples) {
        if (sample != nullptr && sample->awaited >= 0 && sample->wantedPlayback == handle) {
            return sample;
        }
    }
    return nullptr;
}

int findPlayback(int handle) {
    if (handle <= 0 || !layer.open) {
        return -1;
    }
    for (int slot = 0; slot <= maxMixChannels; ++slot) {
        if (layer.playbackOn[slot] == handle) {
            return slot;
        }
    }
    return -1;
}

int startChunk(int channel, Mix_Chunk* chunk) {
    if (channel != FSOUND_FREE) {
        if (channel < 0 || channel >= layer.mixChannels) {
            return -1;
        }
        return playOnChannel(channel, chunk);
    }

    const int freeChannel = playOnChannel(-1, chunk);
    if (freeChannel >= 0) {
        return freeChannel;
    }
    // Every channel busy: a new drip matters more than the tail of the oldest sound.
    const int oldest = oldestChannel();
    if (oldest < 0) {
        return -1;
    }
    Mix_HaltChannel(oldest);
    return playOnChannel(oldest, chunk);
}

} // namespace

signed char FSOUND_SetMinHardwareChannels(int min) {
    if (layer.open) {
        return fsoundFalse;
    }
    layer.minHardwareChannels = min;
    return fsoundTrue;
}

// The player's master volume, or none while muted. Channel volumes outlast
// the sounds on them, and the music volume outlasts the music.
static void applyVolume() {
    const int volume = layer.muted ? 0 : (255 - layer.volumeCut) * MIX_MAX_VOLUME / 255;
    Mix_Volume(-1, volume);
    Mix_VolumeMusic(volume);
}

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int /*flags*/) {
    if (layer.open) {
        return fsoundTrue;
    }
    const int channels = maxsoftwarechannels < 1                ? 1
                         : maxsoftwarechannels > maxMixChannels ? maxMixChannels
                                                                : maxsoftwarechannels;
    if (!openMixer(mixrate, channels)) {
        return fsoundFalse;
    }

    layer.open = true;
    layer.mixChannels = channels;
    for (int& playback : layer.playbackOn) {
        playback = 0;
    }
    applyVolume();
    return fsoundTrue;
}

FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* path, unsigned int /*mode*/,
                                  int /*offset*/, int /*length*/) {
    // Every sound is a one-shot file on disk, so the mode, offset and length
    // that FMOD used for loops and memory images have nothing to select here.
    if (!layer.open || path == nullptr) {
        return nullptr;
    }
    const int slot = chooseSampleSlot(index);
    if (slot < 0) {
        return nullptr;
    }
    FSOUND_SAMPLE* sample = decode(path);
    if (sample == nullptr) {
        const int expected = findExpected(path);
        if (expected < 0) {
            return nullptr;
        }
        sample = new FSOUND_SAMPLE;
        sample->awaited = expected;
    }
    // Loading into a taken slot replaces its sample, as FMOD did.
    if (layer.samples[slot] != nullptr) {
        freeSample(layer.samples[slot]);
    }
    layer.samples[slot] = sample;
    return sample;
}

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample) {
    if (!layer.open || !isLoaded(sample)) {
        return -1;
    }
    // Remembered, for music to join once its file has arrived.
    if (sample->awaited >= 0) {
        sample->wantedPlayback = nextPlaybackHandle();
        return sample->wantedPlayback;
    }

    int slot = -1;
    if (sample->music != nullptr) {
        // One stream at a time: starting it again replaces the earlier playback.
        slot = playMusic(sample->music) ? musicSlot : -1;
    } else {
        slot = startChunk(channel, sample->chunk);
    }
    if (slot < 0) {
        return -1;
    }

    const int handle = nextPlaybackHandle();
    layer.playbackOn[slot] = handle;
    return handle;
}

signed char FSOUND_StopSound(int channel) {
    FSOUND_SAMPLE* waiting = findWantedPlayback(channel);
    if (waiting != nullptr) {
        waiting->wantedPlayback = 0;
        return fsoundTrue;
    }
    const int slot = findPlayback(channel);
    if (slot < 0) {
        return fsoundFalse;
    }
    if (slot == musicSlot) {
        Mix_HaltMusic();
    } else {
        Mix_HaltChannel(slot);
    }
    layer.playbackOn[slot] = 0;
    return fsoundTrue;
}

signed char FSOUND_IsPlaying(int channel) {
    const int slot = findPlayback(channel);
    if (slot < 0) {
        return fsoundFalse;
    }
    const bool sounding = slot == musicSlot ? musicSounding() : channelSounding(slot);
    return sounding ? fsoundTrue : fsoundFalse;
}

signed char FSOUND_SetPaused(int channel, signed char paused) {
    if (!layer.open || channel != FSOUND_ALL) {
        return fsoundFalse;
    }
    layer.paused = paused != 0;
    if (paused) {
        Mix_Pause(-1);
        Mix_PauseMusic();
    } else {
        Mix_Resume(-1);
        Mix_ResumeMusic();
    }
    return fsoundTrue;
}

signed char FSOUND_SetMute(int channel, signed char mute) {
    if (channel != FSOUND_ALL) {
        return fsoundFalse;
    }
    layer.muted = mute != 0;
    if (layer.open) {
        applyVolume();
    }
    return fsoundTrue;
}

void FSOUND_SetSFXMasterVolume(int volume) {
    layer.volumeCut = 255 - std::clamp(volume, 0, 255);
    if (layer.open) {
        applyVolume();
    }
}

void FSOUND_ExpectFile(const char* path) {
    if (path == nullptr || std::strlen(path) >= maxPathLength || findExpected(path) >= 0) {
        return;
    }
    for (char* entry : layer.expected) {
        if (entry[0] == '\0') {
            std::strcpy(entry, path);
            return;
        }
    }
}

void FSOUND_FileArrived(const char* path) {
    const int expected = path == nullptr ? -1 : findExpected(path);
    if (expected < 0) {
        return;
    }
    layer.expected[expected][0] = '\0';

    for (FSOUND_SAMPLE* sample : layer.samples) {
        if (sample == nullptr || sample->awaited != expected) {
            continue;
        }
        sample->awaited = -1;
        const int wanted = sample->wantedPlayback;
        sample->wantedPlayback = 0;
        FSOUND_SAMPLE* decoded = decode(path);
        if (decoded == nullptr) {
            continue;
        }
        sample->chunk = decoded->chunk;
        sample->music = decoded->music;
        delete decoded;

        // The music joins the game where it has got to, held if it is paused;
        // its playback keeps the handle the game was given.
        if (wanted != 0 && sample->music != nullptr && playMusic(sample->music)) {
            layer.playbackOn[musicSlot] = wanted;
            if (layer.paused) {
                Mix_PauseMusic();
            }
        }
    }
}

void FSOUND_Close() {
    if (!layer.open) {
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (FSOUND_SAMPLE*& sample : layer.samples) {
        if (sample != nullptr) {
            freeSample(sample);
            sample = nullptr;
        }
    }
    closeMixer();

    layer.open = false;
    layer.paused = false;
    for (int& playback : layer.playbackOn) {
        playback = 0;
    }
}
