#pragma once

// What a sound file holds, judged from its bytes rather than its name, so a
// damaged or mislabelled file never reaches a decoder that might accept
// noise as sound.
enum class SoundFileKind {
    unusable, // missing, unreadable, cut short or not a sound we decode
    wave,     // RIFF WAVE of plain samples, all its data present
    mp3,      // MPEG audio layer III, complete as far as its header tells
};

SoundFileKind identifySoundFile(const char* path);
