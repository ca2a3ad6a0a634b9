#include "audio/sound_bank.h"
#include "console.h"
#include "game_sounds.h"
#include "sound_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SoundBankConsole : public ::testing::Test {
  protected:
    ConsoleCapture console;
    SoundBank bank;

    void TearDown() override { bank.close(); }

    std::string printed() { return console.take(); }

    void loadGameSounds(const char* missingFile = "") {
        for (const GameSound& sound : gameSounds) {
            const std::string file =
                sound.file == std::string(missingFile) ? "missing.wav" : sound.file;
            bank.load(builtSound(file).c_str(), sound.name);
        }
    }
};

TEST_F(SoundBankConsole, TheGamesNineSoundsLoadInOrderAndPlayByName) {
    bank.init();
    loadGameSounds();

    EXPECT_EQ(printed(), gameSoundLoadLines());
    ASSERT_EQ(bank.count, 9);
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_NE(bank.samples[slot], nullptr) << gameSounds[slot].file;
        EXPECT_EQ(bank.names[slot], gameSounds[slot].name) << "the caller's string is kept";
    }

    // A second "ding" while the first still rings starts another channel
    // and becomes the one remembered.
    const int first = bank.play("ding");
    const int second = bank.play("ding");
    EXPECT_GT(first, 0);
    EXPECT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(bank.channels[8], second);
    EXPECT_GT(bank.play("bg"), 0);
    EXPECT_EQ(printed(), "") << "sounds that exist play without a word";
}

TEST_F(SoundBankConsole, UnknownAndUnloadedNamesAreReported) {
    bank.init();
    loadGameSounds("drip2.wav");
    printed();

    EXPECT_EQ(bank.play("whale"), 0);
    EXPECT_EQ(printed(), "ERROR: Sample whale not found\n");

    EXPECT_EQ(bank.play("drip2"), 0);
    EXPECT_EQ(printed(), "ERROR: No sample associated with drip2\nERROR: Sample drip2 not found\n");
    EXPECT_EQ(bank.channels[3], 0);

    // Names match by exact text, not by the address of the caller's string.
    const char copied[] = "drip3";
    EXPECT_GT(bank.play(copied), 0);
    EXPECT_EQ(bank.play("DRIP3"), 0);
    EXPECT_EQ(printed(), "ERROR: Sample DRIP3 not found\n");
}

TEST_F(SoundBankConsole, TheFirstSlotWithASoundWins) {
    bank.init();
    bank.load(builtSound("missing.wav").c_str(), "ding");
    bank.load(builtSound("ding.wav").c_str(), "ding");
    bank.load(builtSound("drip0.wav").c_str(), "ding");
    printed();

    const int channel = bank.play("ding");
    EXPECT_GT(channel, 0);
    EXPECT_EQ(printed(), "ERROR: No sample associated with ding\n");
    EXPECT_EQ(bank.channels[1], channel);
    EXPECT_EQ(bank.channels[2], 0);
}

TEST_F(SoundBankConsole, AThirtyThirdLoadIsRefusedAndWritesNothing) {
    static const char* const names[33] = {
        "s0",  "s1",  "s2",  "s3",  "s4",  "s5",  "s6",  "s7",  "s8",  "s9",  "s10",
        "s11", "s12", "s13", "s14", "s15", "s16", "s17", "s18", "s19", "s20", "s21",
        "s22", "s23", "s24", "s25", "s26", "s27", "s28", "s29", "s30", "s31", "s32"};
    bank.init();
    for (const char* name : names) {
        bank.load(builtSound("drip1.wav").c_str(), name);
    }

    const std::string lines = printed();
    EXPECT_NE(lines.find("Loaded loop s31\n"), std::string::npos);
    EXPECT_EQ(lines.find("Loaded loop s32"), std::string::npos);
    EXPECT_EQ(lines.rfind("ERROR: "), lines.rfind('\n', lines.size() - 2) + 1)
        << "the refusal is the last line";
    EXPECT_NE(lines.find("s32"), std::string::npos);
    EXPECT_EQ(bank.count, 32);
    EXPECT_EQ(bank.names[0], names[0]);
    EXPECT_EQ(bank.names[31], names[31]);
    EXPECT_EQ(bank.play("s32"), 0);
    EXPECT_GT(bank.play("s31"), 0);
}

TEST_F(SoundBankConsole, StopAllSilencesOnlyTheLastPlayOfEachSlot) {
    bank.init();
    loadGameSounds();
    const int earlierDing = bank.play("ding");
    const int laterDing = bank.play("ding");
    const int bg = bank.play("bg");

    bank.stopAll();
    EXPECT_FALSE(FSOUND_IsPlaying(laterDing));
    EXPECT_FALSE(FSOUND_IsPlaying(bg));
    EXPECT_TRUE(FSOUND_IsPlaying(earlierDing));

    bank.close();
    EXPECT_FALSE(FSOUND_IsPlaying(earlierDing)) << "closing ends every sound";
}

TEST_F(SoundBankConsole, ABankNeverStartedAnswersAndClosesQuietly) {
    // The player quit on the title screen: the live game's bank was built
    // but never started, and is closed at exit.
    EXPECT_EQ(bank.play("bg"), 0);
    EXPECT_EQ(printed(), "ERROR: Sample bg not found\n");
    bank.close();
    bank.close();
    EXPECT_EQ(printed(), "");
}

} // namespace
