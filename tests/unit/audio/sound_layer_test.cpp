#include "audio/fsound.h"
#include "audio/sound_file_kind.h"
#include "platform/mixer.h"
#include "sound_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

// Every test runs against SDL's silent driver (set by the test runner) and
// leaves the layer closed for the next.
class SoundLayer : public ::testing::Test {
  protected:
    ScratchFolder scratch;

    void TearDown() override { FSOUND_Close(); }

    static FSOUND_SAMPLE* load(const std::string& path) {
        return FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
    }

    static bool waitUntilSilent(int handle) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (FSOUND_IsPlaying(handle) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return !FSOUND_IsPlaying(handle);
    }
};

TEST_F(SoundLayer, EveryPlayGetsItsOwnNonZeroHandle) {
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    FSOUND_SAMPLE* ding = load(builtSound("ding.wav"));
    ASSERT_NE(ding, nullptr);

    const int first = FSOUND_PlaySound(FSOUND_FREE, ding);
    const int second = FSOUND_PlaySound(FSOUND_FREE, ding);
    EXPECT_GT(first, 0);
    EXPECT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(FSOUND_IsPlaying(first));
    EXPECT_TRUE(FSOUND_IsPlaying(second));

    // Stopping one overlapping play leaves the other sounding.
    EXPECT_TRUE(FSOUND_StopSound(first));
    EXPECT_FALSE(FSOUND_IsPlaying(first));
    EXPECT_TRUE(FSOUND_IsPlaying(second));
}

TEST_F(SoundLayer, AStaleHandleStopsNothing) {
    // One mixing channel, so every new sound reuses the channel of the last.
    ASSERT_TRUE(FSOUND_Init(44100, 1, 0));
    FSOUND_SAMPLE* click = load(scratch.writeClickWav("click.wav", 441));
    FSOUND_SAMPLE* ding = load(builtSound("ding.wav"));
    ASSERT_NE(click, nullptr);
    ASSERT_NE(ding, nullptr);

    // The channel is reused after the first sound ended by itself...
    const int ended = FSOUND_PlaySound(FSOUND_FREE, click);
    ASSERT_TRUE(waitUntilSilent(ended));
    const int reusing = FSOUND_PlaySound(FSOUND_FREE, ding);
    EXPECT_FALSE(FSOUND_StopSound(ended));
    EXPECT_TRUE(FSOUND_IsPlaying(reusing));

    // ...and taken over while the first was still sounding.
    const int takingOver = FSOUND_PlaySound(FSOUND_FREE, ding);
    EXPECT_FALSE(FSOUND_IsPlaying(reusing));
    EXPECT_FALSE(FSOUND_StopSound(reusing));
    EXPECT_TRUE(FSOUND_IsPlaying(takingOver));
}

TEST_F(SoundLayer, NoHandleAndFailedPlaysStopNothing) {
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    const int playing = FSOUND_PlaySound(FSOUND_FREE, load(builtSound("ding.wav")));
    ASSERT_GT(playing, 0);

    EXPECT_FALSE(FSOUND_StopSound(0));
    EXPECT_FALSE(FSOUND_StopSound(-1));
    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, nullptr), -1);
    EXPECT_TRUE(FSOUND_IsPlaying(playing));
}

TEST_F(SoundLayer, TheBackgroundStreamsAndStops) {
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    FSOUND_SAMPLE* bg = load(builtSound("bg.mp3"));
    ASSERT_NE(bg, nullptr);

    const int playing = FSOUND_PlaySound(FSOUND_FREE, bg);
    ASSERT_GT(playing, 0);
    EXPECT_TRUE(FSOUND_IsPlaying(playing));
    EXPECT_TRUE(FSOUND_StopSound(playing));
    EXPECT_FALSE(FSOUND_IsPlaying(playing));
}

// The browser's music comes after the game has started it: it joins then,
// held if the game is paused, and not at all once the game has stopped it.
TEST_F(SoundLayer, MusicOnItsWayJoinsWhenItArrivesUnlessStopped) {
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    const std::string stoppedPath = scratch.file("stopped.mp3");
    const std::string path = scratch.file("bg.mp3");
    FSOUND_ExpectFile(stoppedPath.c_str());
    FSOUND_ExpectFile(path.c_str());
    FSOUND_SAMPLE* stopped = load(stoppedPath);
    FSOUND_SAMPLE* bg = load(path);
    ASSERT_NE(stopped, nullptr);
    ASSERT_NE(bg, nullptr);
    EXPECT_TRUE(FSOUND_StopSound(FSOUND_PlaySound(FSOUND_FREE, stopped)));
    const int playing = FSOUND_PlaySound(FSOUND_FREE, bg);
    ASSERT_GT(playing, 0);
    EXPECT_FALSE(FSOUND_IsPlaying(playing));

    const std::vector<char> music = readBytes(builtSound("bg.mp3"));
    scratch.write("stopped.mp3", music);
    FSOUND_FileArrived(stoppedPath.c_str());
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    FSOUND_SetPaused(FSOUND_ALL, 1);
    scratch.write("bg.mp3", music);
    FSOUND_FileArrived(path.c_str());
    EXPECT_TRUE(FSOUND_IsPlaying(playing));
    EXPECT_NE(Mix_PausedMusic(), 0);
    EXPECT_TRUE(FSOUND_StopSound(playing));

    // A file nobody said was coming is missing, as ever.
    EXPECT_EQ(load(scratch.file("nothing.wav")), nullptr);
}

TEST_F(SoundLayer, CloseIsSafeBeforeInitTwiceAndBeforeAFreshStart) {
    FSOUND_Close();
    FSOUND_Close();
    EXPECT_EQ(load(builtSound("ding.wav")), nullptr) << "nothing loads before the layer starts";

    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    FSOUND_SAMPLE* ding = load(builtSound("ding.wav"));
    const int playing = FSOUND_PlaySound(FSOUND_FREE, ding);
    ASSERT_GT(playing, 0);
    FSOUND_Close();
    FSOUND_Close();

    // What the closed layer handed out is dead, not dangerous.
    EXPECT_FALSE(FSOUND_IsPlaying(playing));
    EXPECT_FALSE(FSOUND_StopSound(playing));
    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, ding), -1);

    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    EXPECT_GT(FSOUND_PlaySound(FSOUND_FREE, load(builtSound("ding.wav"))), 0);
}

TEST_F(SoundLayer, CtrlCAndSigtermStillEndTheGame) {
    // GLUT's loop never reads SDL's event queue, so SDL must not catch these.
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action = {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(SoundLayer, DamagedOrForeignFilesLoadAsNoSample) {
    ASSERT_TRUE(FSOUND_Init(44100, 32, 0));
    const std::vector<char> wav = readBytes(builtSound("drip0.wav"));
    const std::vector<char> mp3 = readBytes(builtSound("bg.mp3"));
    ASSERT_GT(wav.size(), 1000u);
    ASSERT_GT(mp3.size(), 100000u);

    // The intact files load, so a refusal below is the damage's doing.
    EXPECT_NE(load(scratch.write("whole.wav", wav)), nullptr);
    EXPECT_NE(load(scratch.write("whole.mp3", mp3)), nullptr);

    std::vector<char> riffThenNoise = noiseBytes(4000, 7);
    std::copy(wav.begin(), wav.begin() + 12, riffThenNoise.begin());
    std::vector<char> syncThenNoise = noiseBytes(4000, 9);
    syncThenNoise[0] = static_cast<char>(0xFF);
    syncThenNoise[1] = static_cast<char>(0xFB);
    syncThenNoise[2] = static_cast<char>(0x50);
    // A chunk that claims nearly 4 GiB before the real ones: a size read as a
    // 32-bit long (as in the browser) is negative, and walked back for ever.
    const auto hugeChunkFirst = [&wav](const char lowByte) {
        std::vector<char> bytes = wav;
        const char chunk[] = {'J', 'U', 'N', 'K', lowByte, '\xFF', '\xFF', '\xFF'};
        bytes.insert(bytes.begin() + 12, std::begin(chunk), std::end(chunk));
        return bytes;
    };

    const std::pair<const char*, std::vector<char>> damaged[] = {
        {"noise.wav", noiseBytes(5000, 1)},
        {"noise.mp3", noiseBytes(5000, 2)},
        {"riff_then_noise.wav", riffThenNoise},
        {"sync_then_noise.mp3", syncThenNoise},
        {"half.wav", {wav.begin(), wav.begin() + static_cast<long>(wav.size() / 2)}},
        {"header_only.wav", {wav.begin(), wav.begin() + 44}},
        {"most.mp3", {mp3.begin(), mp3.begin() + static_cast<long>(mp3.size() * 9 / 10)}},
        {"first_bytes.mp3", {mp3.begin(), mp3.begin() + 300}},
        {"empty.wav", {}},
        {"huge_chunk.wav", hugeChunkFirst('\xF8')},
        {"huge_odd_chunk.wav", hugeChunkFirst('\xFF')},
    };
    for (const auto& [file, bytes] : damaged) {
        const std::string path = scratch.write(file, bytes);
        EXPECT_EQ(load(path), nullptr) << file;
        // Refused before any decoder sees it: a browser's would take a cut-off file.
        EXPECT_EQ(identifySoundFile(path.c_str()), SoundFileKind::unusable) << file;
    }
    EXPECT_EQ(load(scratch.file("never_written.wav")), nullptr);
    EXPECT_EQ(load(scratch.path.string()), nullptr) << "a folder";
}

} // namespace
