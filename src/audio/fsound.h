#pragma once

// The game's sound layer: the handful of FSOUND calls the sound bank makes,
// mixed in software by SDL2_mixer on the desktop and by the page's audio in
// the browser (mixer.h). Names and argument lists follow the FMOD 3
// interface the bank was written against.
//
// Everything runs on the game's one thread. The layer keeps its state in
// plain, trivially destructible storage, so FSOUND_Close may run from another
// object's static destructor at process exit, after this file's statics would
// otherwise be gone.

// A loaded sound. Short sounds are decoded whole; long compressed ones
// (the MP3 background) are streamed while they play.
struct FSOUND_SAMPLE;

// Let the layer pick a free sample slot or mixing channel.
constexpr int FSOUND_FREE = -1;

// Every channel at once, for FSOUND_SetPaused and FSOUND_SetMute.
constexpr int FSOUND_ALL = -3;

// Sample mode: play once, never loop. The only mode the game uses.
constexpr unsigned int FSOUND_LOOP_OFF = 1;

// Mixing is all in software, so there are no hardware voices to reserve; the
// request is kept for FSOUND_Init and only accepted before it.
signed char FSOUND_SetMinHardwareChannels(int min);

// Opens the audio device at `mixrate` Hz with `maxsoftwarechannels` mixing
// channels (1 to 64). Without a usable device it falls back to silent output,
// says so once on standard error, and everything else keeps working.
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);

// Loads a WAV or MP3 file into the sample slot `index` (or a free one for
// FSOUND_FREE). Returns null, and prints nothing, for a file that is missing,
// truncated or not a sound, and when the layer is not initialised.
FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* path, unsigned int mode, int offset,
                                  int length);

// Starts the sample once on `channel` (FSOUND_FREE: any free one; when all are
// busy the oldest sound gives way). Returns a handle that is never 0 and names
// this one playback, or -1 when nothing started.
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample);

// Stops the playback the handle names. A handle whose channel has since been
// given to another sound, 0 or -1 stop nothing.
signed char FSOUND_StopSound(int channel);

// True while the playback the handle names is still sounding.
signed char FSOUND_IsPlaying(int channel);

// Holds (paused true) or carries on every sound where it was: the effects
// and the streamed music alike. Only FSOUND_ALL is taken as the channel.
signed char FSOUND_SetPaused(int channel, signed char paused);

// Silences (mute true) or restores every sound, the ones playing now and
// the ones started later. Only FSOUND_ALL is taken as the channel. It may be
// called before FSOUND_Init, and the device then opens silenced.
signed char FSOUND_SetMute(int channel, signed char mute);

// Every sound's loudness, 0 (silent) to 255 (full, the start), under the
// mute; it may come before FSOUND_Init too.
void FSOUND_SetSFXMasterVolume(int volume);

// A sound file the platform is still downloading (the browser's music comes
// after the title), by the text of the path the game will load it by. Loading
// it before it arrives gives a silent sample instead of none; once
// FSOUND_FileArrived names it, the sample holds the sound, and music the
// game started meanwhile joins in, paused if the game is. An effect played
// before its file came is not played late.
void FSOUND_ExpectFile(const char* path);
void FSOUND_FileArrived(const char* path);

// Stops every sound, frees every sample and closes the device. Safe without a
// prior FSOUND_Init and safe to call again.
void FSOUND_Close();
