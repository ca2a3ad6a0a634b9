#include "platform/mixer.h"

#include <SDL.h>
#include <cstdio>
#include <dlfcn.h>

namespace {

void ignoreAlsaMessage(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
                       const char* /*format*/, ...) {}

// Without a sound card the ALSA library prints a screenful of lines while SDL
// probes it. The one line this layer prints says what happened, so ALSA's own
// chatter is turned off, if SDL has loaded ALSA at all.
void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (alsa == nullptr) {
        return;
    }
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        setHandler(ignoreAlsaMessage);
    }
    dlclose(alsa);
}

bool openDevice(int mixrate, int channels) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    quietAlsa();
    if (Mix_OpenAudio(mixrate, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(channels);
    return true;
}

// A build machine has no sound card and no sound server. The game must still
// run there (and its tests must hear "played" sounds), so it mixes into SDL's
// silent driver instead.
bool openSilentDevice(int mixrate, int channels) {
    const char* reason = SDL_GetError();
    std::fprintf(stderr, "No audio device (%s); sound goes to silent output\n",
                 reason != nullptr && reason[0] != '\0' ? reason : "unknown error");
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openDevice(mixrate, channels);
    // Only this attempt is forced: a later Init may find a real device again.
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

} // namespace

bool openMixer(int mixrate, int channels) {
    // Cut-off WAV data is refused rather than played up to the cut.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    // SDL would turn Ctrl+C and SIGTERM into events that GLUT's loop never
    // reads, leaving a game that cannot be stopped from its terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Mix_Init(MIX_INIT_MP3);
    if (!openDevice(mixrate, channels) && !openSilentDevice(mixrate, channels)) {
        Mix_Quit();
        return false;
    }
    return true;
}

void closeMixer() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Music* loadStreamedSound(const char* path) {
    return Mix_LoadMUSType_RW(SDL_RWFromFile(path, "rb"), MUS_MP3, 1);
}

void freeChunk(Mix_Chunk* chunk) {
    Mix_FreeChunk(chunk); // halts any channel still playing it
}

void freeMusic(Mix_Music* music) {
    Mix_FreeMusic(music);
}

int playOnChannel(int channel, Mix_Chunk* chunk) {
    return Mix_PlayChannel(channel, chunk, 0);
}

int oldestChannel() {
    return Mix_GroupOldest(-1);
}

bool playMusic(Mix_Music* music) {
    return Mix_PlayMusic(music, 0) == 0;
}

// SDL2_mixer counts a paused channel or paused music as playing.
bool channelSounding(int channel) {
    return Mix_Playing(channel) != 0;
}

bool musicSounding() {
    return Mix_PlayingMusic() != 0;
}
