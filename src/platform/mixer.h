#pragma once

// The few mixer calls the sound layer cannot make the same way everywhere.
// The desktop mixes with SDL2_mixer (desktop/mixer.cpp); the browser's SDL
// mixer hands every sound to the page's Web Audio and <audio> elements
// (web/mixer.cpp). Both name their sounds Mix_Chunk and Mix_Music, and agree
// on halting, pausing, resuming and volume, which the layer calls directly.

#include <SDL_mixer.h>

// Opens the output with `channels` mixing channels, or returns false. On the
// desktop a missing sound card falls back to silent output, said once on
// standard error.
bool openMixer(int mixrate, int channels);

// Closes what openMixer opened; every sound has been halted and freed.
void closeMixer();

// A long compressed sound that is streamed while it plays, or null.
Mix_Music* loadStreamedSound(const char* path);

void freeChunk(Mix_Chunk* chunk);
void freeMusic(Mix_Music* music);

// Starts the chunk once on `channel`, or on any free channel for -1, ending
// whatever that channel carried. Returns the channel, or -1 when none was
// free or the chunk would not start.
int playOnChannel(int channel, Mix_Chunk* chunk);

// The channel whose sound started longest ago, or -1 when none sounds.
int oldestChannel();

// Starts the music from its beginning, replacing any music that plays.
bool playMusic(Mix_Music* music);

// True while the channel or the music has a sound, paused or not.
bool channelSounding(int channel);
bool musicSounding();
