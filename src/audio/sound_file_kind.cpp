#include "audio/sound_file_kind.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// ---------------------------------------------------------------------------
// Reading raw bytes

// Offsets and sizes are unsigned 64-bit numbers everywhere: a chunk's size
// is 32 bits unsigned, and where long is 32 bits (the browser) a large one
// read as long turns negative and walks the file backwards for ever.
struct OpenFile {
    std::FILE* file = nullptr;
    std::uint64_t size = 0;

    explicit OpenFile(const char* path) {
        file = std::fopen(path, "rb");
        if (file == nullptr) {
            return;
        }
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long end = std::ftell(file);
            size = end > 0 ? static_cast<std::uint64_t>(end) : 0;
        }
    }
    ~OpenFile() {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // True only when all `count` bytes at `offset` exist and were read.
    bool read(const std::uint64_t offset, unsigned char* out, const std::size_t count) const {
        if (file == nullptr || offset > size || count > size - offset) {
            return false;
        }
        if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
            return false;
        }
        return std::fread(out, 1, static_cast<size_t>(count), file) == static_cast<size_t>(count);
    }
};

std::uint32_t bigEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

std::uint32_t littleEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[3]} << 24) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[1]} << 8) | std::uint32_t{bytes[0]};
}

// ---------------------------------------------------------------------------
// WAVE chunks

// A whole "fmt " chunk and, after it, a "data" chunk whose every byte is in
// the file; the decoder judges the samples themselves. SDL2_mixer can be told
// to refuse a cut-off file, a browser plays it up to the cut or fails long
// after the load said it worked.
bool isCompleteWave(const OpenFile& file) {
    bool hasFormat = false;
    std::uint64_t at = 12;
    unsigned char header[8];
    // Each chunk moves the walk on by at least its 8-byte header, and a read
    // past the file's end stops it: the walk always ends.
    while (file.read(at, header, 8)) {
        const std::uint64_t size = littleEndian32(header + 4);
        const std::uint64_t body = at + 8;
        const bool whole = size <= file.size - body;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (size < 16 || !whole) {
                return false;
            }
            hasFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            return hasFormat && whole;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return false;
}

// ---------------------------------------------------------------------------
// MP3 frames

struct Mp3Frame {
    std::uint64_t length = 0;       // bytes, header included
    std::uint64_t sideInfoSize = 0; // where a Xing/Info tag would start, after the header
};

// Decodes a layer III frame header; false for anything else, including the
// reserved and "free format" values no encoder we use produces.
bool parseMp3Header(const unsigned char* header, Mp3Frame& frame) {
    static const int mpeg1Kbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                      112, 128, 160, 192, 224, 256, 320, 0};
    static const int mpeg2Kbps[16] = {0,  8,  16, 24,  32,  40,  48,  56,
                                      64, 80, 96, 112, 128, 144, 160, 0};
    static const int mpeg1Rates[3] = {44100, 48000, 32000};

    if (header[0] != 0xFF || (header[1] & 0xE0) != 0xE0) {
        return false;
    }
    const int version = (header[1] >> 3) & 3; // 0 = 2.5, 1 = reserved, 2 = 2, 3 = 1
    const int layer = (header[1] >> 1) & 3;   // 1 = layer III
    const int bitrateIndex = header[2] >> 4;
    const int rateIndex = (header[2] >> 2) & 3;
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return false;
    }

    const bool mpeg1 = version == 3;
    const int divisor = version == 3 ? 1 : (version == 2 ? 2 : 4);
    const long sampleRate = mpeg1Rates[rateIndex] / divisor;
    const long bitsPerSecond = 1000L * (mpeg1 ? mpeg1Kbps : mpeg2Kbps)[bitrateIndex];
    const long padding = (header[2] >> 1) & 1;
    const bool mono = (header[3] >> 6) == 3;

    frame.length =
        static_cast<std::uint64_t>((mpeg1 ? 144 : 72) * bitsPerSecond / sampleRate + padding);
    frame.sideInfoSize = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return true;
}

// An ID3v2 tag may precede the audio; its header gives its length.
std::uint64_t skipId3Tag(const OpenFile& file) {
    unsigned char tag[10];
    if (!file.read(0, tag, 10) || std::memcmp(tag, "ID3", 3) != 0) {
        return 0;
    }
    const std::uint64_t body = (std::uint64_t{tag[6] & 0x7Fu} << 21) |
                               (std::uint64_t{tag[7] & 0x7Fu} << 14) |
                               (std::uint64_t{tag[8] & 0x7Fu} << 7) | std::uint64_t{tag[9] & 0x7Fu};
    const bool hasFooter = (tag[5] & 0x10) != 0;
    return 10 + body + (hasFooter ? 10 : 0);
}

// A usable MP3 starts with two consecutive valid frames (one alone is as
// likely to be chance as sound). When the encoder left a Xing/Info tag that
// states the stream's length in bytes, a shorter file was cut off in transit.
bool isCompleteMp3(const OpenFile& file) {
    const std::uint64_t start = skipId3Tag(file);
    unsigned char header[4];
    Mp3Frame first;
    if (!file.read(start, header, 4) || !parseMp3Header(header, first)) {
        return false;
    }
    Mp3Frame second;
    if (!file.read(start + first.length, header, 4) || !parseMp3Header(header, second)) {
        return false;
    }

    unsigned char tag[16];
    if (!file.read(start + 4 + first.sideInfoSize, tag, 16)) {
        return true; // too short to hold a tag, and two frames were found
    }
    const bool hasTag = std::memcmp(tag, "Xing", 4) == 0 || std::memcmp(tag, "Info", 4) == 0;
    if (!hasTag) {
        return true;
    }
    const std::uint32_t flags = bigEndian32(tag + 4);
    const bool hasFrames = (flags & 1) != 0;
    const bool hasBytes = (flags & 2) != 0;
    if (!hasBytes) {
        return true;
    }
    const std::uint32_t streamBytes = bigEndian32(tag + (hasFrames ? 12 : 8));
    return start <= file.size && file.size - start >= streamBytes;
}

} // namespace

SoundFileKind identifySoundFile(const char* path) {
    if (path == nullptr) {
        return SoundFileKind::unusable;
    }
    const OpenFile file(path);
    unsigned char magic[12];
    if (!file.read(0, magic, 12)) {
        return SoundFileKind::unusable;
    }

    if (std::memcmp(magic, "RIFF", 4) == 0 && std::memcmp(magic + 8, "WAVE", 4) == 0) {
        return isCompleteWave(file) ? SoundFileKind::wave : SoundFileKind::unusable;
    }
    if (isCompleteMp3(file)) {
        return SoundFileKind::mp3;
    }
    return SoundFileKind::unusable;
}
