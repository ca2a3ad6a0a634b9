#include "platform/mixer.h"

#include <emscripten.h>

// The browser's SDL mixer plays each sound through the page's Web Audio (or
// an <audio> element) and keeps little of SDL2_mixer's bookkeeping: a busy
// channel is not ended when another sound is started on it or when its chunk
// is freed, and it does not say which sound started first. This file keeps
// that record itself, so the sound layer sees the desktop's mixer.

namespace {

constexpr int maxChannels = 64;

struct ChannelRecord {
    Mix_Chunk* chunk;
    unsigned startOrder; // higher started later
};

// Plain zero-initialised data, like the sound layer's own.
struct WebMixer {
    int channels;
    unsigned lastStart;
    ChannelRecord onChannel[maxChannels];
    Mix_Music* music; // the music started last
};
WebMixer mixer;

int freeChannel() {
    for (int channel = 0; channel < mixer.channels; ++channel) {
        if (!channelSounding(channel)) {
            return channel;
        }
    }
    return -1;
}

} // namespace

bool openMixer(int mixrate, int channels) {
    // Opening makes (or finds) the page's audio context, which the browser
    // starts on the player's first click or key; a browser without Web Audio
    // plays the sounds through <audio> elements instead.
    if (Mix_OpenAudio(mixrate, AUDIO_S16SYS, 2, 1024) != 0) {
        return false;
    }
    // The layer hands the mixer files, which it reads from the page's file
    // system; without this it warns on every load that the page did not
    // decode the file ahead.
    EM_ASM({ Module['noAudioDecoding'] = true; });
    // The browser's mixer never shrinks its channel count, so it starts from
    // none to end with exactly `channels`.
    Mix_AllocateChannels(0);
    Mix_AllocateChannels(channels);

    mixer = {};
    mixer.channels = channels < maxChannels ? channels : maxChannels;
    return true;
}

void closeMixer() {
    // The page's one audio context stays: browsers limit how many a page may
    // make, and the next openMixer uses it again.
    Mix_CloseAudio();
    mixer = {};
}

Mix_Music* loadStreamedSound(const char* path) {
    // Through Web Audio the browser would decode the whole file up front,
    // some 80 MB for four minutes of music; an <audio> element streams it.
    // The page's own choice, if it made one, is put back after this load.
    EM_ASM({
        Module['brumaloWebAudioChoice'] = Module['SDL_canPlayWithWebAudio'];
        Module['SDL_canPlayWithWebAudio'] = function() {
            return false;
        };
    });
    Mix_Music* music = Mix_LoadMUS(path);
    EM_ASM({ Module['SDL_canPlayWithWebAudio'] = Module['brumaloWebAudioChoice']; });
    return music;
}

void freeChunk(Mix_Chunk* chunk) {
    for (int channel = 0; channel < mixer.channels; ++channel) {
        if (mixer.onChannel[channel].chunk == chunk && channelSounding(channel)) {
            Mix_HaltChannel(channel);
        }
    }
    Mix_FreeChunk(chunk);
}

void freeMusic(Mix_Music* music) {
    if (mixer.music == music) {
        Mix_HaltMusic();
        mixer.music = nullptr;
    }
    Mix_FreeMusic(music);
}

int playOnChannel(int channel, Mix_Chunk* chunk) {
    // Choosing the free channel here also keeps the browser's mixer from
    // logging an error each time every channel is busy.
    if (channel < 0) {
        channel = freeChannel();
    } else if (channel < mixer.channels && channelSounding(channel)) {
        Mix_HaltChannel(channel);
    }
    if (channel < 0 || channel >= mixer.channels) {
        return -1;
    }

    const int started = Mix_PlayChannel(channel, chunk, 0);
    if (started < 0) {
        return -1;
    }
    mixer.lastStart += 1;
    mixer.onChannel[started] = {chunk, mixer.lastStart};
    return started;
}

int oldestChannel() {
    int oldest = -1;
    for (int channel = 0; channel < mixer.channels; ++channel) {
        if (!channelSounding(channel)) {
            continue;
        }
        if (oldest < 0 ||
            mixer.onChannel[channel].startOrder < mixer.onChannel[oldest].startOrder) {
            oldest = channel;
        }
    }
    return oldest;
}

bool playMusic(Mix_Music* music) {
    // Halted first, so the music starts from its beginning even when it is
    // the <audio> element already playing, and without the browser's
    // complaint about music that is still playing.
    Mix_HaltMusic();
    if (Mix_PlayMusic(music, 0) != 0) {
        return false;
    }
    // Before the player's first click or key the browser refuses to start an
    // <audio> element, which then stays paused: nothing started.
    if (Mix_PausedMusic() != 0) {
        Mix_HaltMusic();
        return false;
    }
    mixer.music = music;
    return true;
}

// The browser's mixer counts a paused sound as not playing; the layer's
// handles must outlast a pause, as they do on the desktop.
bool channelSounding(int channel) {
    return Mix_Playing(channel) != 0 || Mix_Paused(channel) != 0;
}

bool musicSounding() {
    return Mix_PlayingMusic() != 0 || Mix_PausedMusic() != 0;
}
