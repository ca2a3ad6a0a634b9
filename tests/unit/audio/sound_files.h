#pragma once

// Where the audio tests find the game's built sounds, and scratch files they
// write themselves (damaged copies, tiny clicks).

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

inline std::string builtSound(const std::string& file) {
    const char* buildDir = std::getenv("BRUMALO_BUILD_DIR");
    return std::string(buildDir != nullptr ? buildDir : "..") + "/sounds/" + file;
}

inline std::vector<char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes that look like nothing, the same on every run.
inline std::vector<char> noiseBytes(std::size_t count, std::uint32_t seed) {
    std::vector<char> bytes(count);
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

// A folder of this test's own, so parallel runs never share a file, removed
// with everything in it when the test ends.
struct ScratchFolder {
    std::filesystem::path path;

    ScratchFolder()
        : path(std::filesystem::temp_directory_path() /
               ("brumalo_audio_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (path / name).string(); }

    std::string write(const std::string& name, const std::vector<char>& bytes) const {
        std::ofstream(file(name), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }

    // A mono 16-bit WAV of `frames` samples of a loud square wave.
    std::string writeClickWav(const std::string& name, std::uint32_t frames) const {
        std::vector<char> bytes;
        auto put = [&bytes](std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i) {
                bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
            }
        };
        auto text = [&bytes](const char* word) { bytes.insert(bytes.end(), word, word + 4); };
        text("RIFF");
        put(36 + frames * 2, 4);
        text("WAVE");
        text("fmt ");
        put(16, 4);
        put(1, 2);
        put(1, 2);
        put(44100, 4);
        put(88200, 4);
        put(2, 2);
        put(16, 2);
        text("data");
        put(frames * 2, 4);
        for (std::uint32_t i = 0; i < frames; ++i) {
            put((i / 50) % 2 == 0 ? 12000u : static_cast<std::uint16_t>(-12000), 2);
        }
        return write(name, bytes);
    }
};
