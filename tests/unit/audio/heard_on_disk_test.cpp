#include "audio/sound_bank.h"
#include "sound_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Plays "ding" through the bank in a child process whose SDL writes its
// output to a file instead of a sound card, muted first or not. Returns the
// child's exit status.
int playDingToFile(const std::string& outputFile, const bool muted) {
    const pid_t child = fork();
    if (child == 0) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
        SoundBank bank;
        bank.setMuted(muted);
        bank.init();
        bank.load(builtSound("ding.wav").c_str(), "ding");
        const int channel = bank.play("ding");
        usleep(400 * 1000); // the disk driver writes in real time
        bank.close();
        _exit(channel > 0 ? 0 : 3);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How many of the mixer's 16-bit output samples are clearly not silence.
int loudSamplesIn(const std::string& outputFile) {
    const std::vector<char> bytes = readBytes(outputFile);
    EXPECT_GT(bytes.size(), 44100u) << "a fraction of a second of output";
    int loudSamples = 0;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, bytes.data() + at, 2);
        if (sample > 1000 || sample < -1000) {
            ++loudSamples;
        }
    }
    return loudSamples;
}

TEST(HeardForReal, DingReachesTheOutputAsSoundUnlessMuted) {
    const ScratchFolder scratch;
    const std::string heard = scratch.file("ding_output.raw");
    ASSERT_EQ(playDingToFile(heard, false), 0);
    EXPECT_GT(loudSamplesIn(heard), 4410) << "at least 50 ms of audible stereo sound";

    // Muted before the device opens, as a player's saved choice is.
    const std::string muted = scratch.file("muted_output.raw");
    ASSERT_EQ(playDingToFile(muted, true), 0);
    EXPECT_EQ(loudSamplesIn(muted), 0);
}

} // namespace
