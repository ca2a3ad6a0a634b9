#include "wav_file.h"

#include <cstdio>

namespace {

using Bytes = std::vector<unsigned char>;

void putText(Bytes& bytes, const char* text) {
    while (*text != '\0') {
        bytes.push_back(static_cast<unsigned char>(*text++));
    }
}

void put16(Bytes& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(Bytes& bytes, std::uint32_t value) {
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

} // namespace

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto sampleRate = static_cast<std::uint32_t>(rate);

    Bytes bytes;
    bytes.reserve(44 + dataBytes);
    putText(bytes, "RIFF");
    put32(bytes, 36 + dataBytes);
    putText(bytes, "WAVEfmt ");
    put32(bytes, 16); // format chunk size
    put16(bytes, 1);  // PCM
    put16(bytes, 1);  // mono
    put32(bytes, sampleRate);
    put32(bytes, sampleRate * 2); // bytes per second
    put16(bytes, 2);              // bytes per frame
    put16(bytes, 16);             // bits per sample
    putText(bytes, "data");
    put32(bytes, dataBytes);
    for (const std::int16_t sample : samples) {
        put16(bytes, static_cast<std::uint16_t>(sample));
    }

    // Written beside the target and renamed, so an interrupted build never
    // leaves a half file that looks up to date.
    const std::string partial = path + ".partial";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed && std::rename(partial.c_str(), path.c_str()) == 0;
}
