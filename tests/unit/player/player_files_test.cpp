#include "player/player_files.h"
#include "player/record_file.h"
#include "player/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <linux/fs.h>
#include <set>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Each test in a fresh folder of its own: the record in the folder that
// XDG_DATA_HOME names, the settings under HOME, since a relative
// XDG_CONFIG_HOME is passed over. What is printed on standard error is kept.
class PlayerFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/brumalo-player-files.XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        const std::string values[3] = {folder + "/home", folder + "/data", "config"};
        for (int i = 0; i < 3; ++i) {
            const char* was = std::getenv(variables[i]);
            kept[i] = was ? std::optional<std::string>(was) : std::nullopt;
            setenv(variables[i], values[i].c_str(), 1);
        }
        forgetComplaints();
        ::testing::internal::CaptureStderr();
    }
    void TearDown() override {
        ::testing::internal::GetCapturedStderr();
        for (int i = 0; i < 3; ++i) {
            kept[i] ? setenv(variables[i], kept[i]->c_str(), 1) : unsetenv(variables[i]);
        }
        fs::remove_all(folder);
    }

    // What was printed on standard error since the last call.
    static std::string complaints() {
        const std::string text = ::testing::internal::GetCapturedStderr();
        ::testing::internal::CaptureStderr();
        return text;
    }
    static void put(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string contents(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    // Where a complaint says a damaged file was kept.
    static std::string keptAs(const std::string& said) {
        const std::size_t from = said.find(" kept as ") + 9;
        return said.substr(from, said.find(" and ", from) - from);
    }

    const char* const variables[3] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    std::optional<std::string> kept[3];
    std::string folder;
    std::string records() const { return folder + "/data/brumalo/records"; }
    std::string settings() const { return folder + "/home/.config/brumalo/settings"; }
};

const GameResult lostWithThree = {false, 3, 240000};

TEST_F(PlayerFiles, TwoGamesEndingTogetherBothCountAndTheBetterTimeStands) {
    put(records(), formatRecord({1, 1, 97420, 10}));
    const int otherGame = open((records() + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(otherGame, LOCK_EX), 0);
    std::thread slower([] { EXPECT_TRUE(keepGameInRecord({true, 10, 110000}).saved); });
    std::thread faster([] { EXPECT_TRUE(keepGameInRecord({true, 10, 90000}).saved); });

    // Both wait for the lock: neither has read the record, let alone written it.
    usleep(200'000);
    EXPECT_EQ(contents(records()), formatRecord({1, 1, 97420, 10}));
    close(otherGame);
    slower.join();
    faster.join();
    EXPECT_EQ(contents(records()), formatRecord({3, 3, 90000, 10}));
    const fs::directory_iterator files(folder + "/data/brumalo"), end;
    EXPECT_EQ(std::distance(files, end), 2) << "only the record and its lock";
}

TEST_F(PlayerFiles, ADamagedRecordIsKeptUnderANewNameAndANewRecordBegun) {
    // One after another within a second or two: each needs a name of its own.
    const std::string damaged[] = {"", "brumalo records 1\ngames played 12\ngames won 3\n",
                                   std::string("\x7f\x45LF\x02\x01\x01\0\0\0", 10),
                                   formatRecord({12, 3, 97420, 10}) + std::string(70000, '\n')};
    std::set<std::string> asides;
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text.substr(0, 40));
        put(records(), text);
        EXPECT_TRUE(keepGameInRecord(lostWithThree).saved);
        EXPECT_EQ(contents(records()), formatRecord({1, 0, 0, 3}));
        const std::string said = complaints(), aside = keptAs(said);
        EXPECT_EQ(said, "Brumalo: the record in " + records() +
                            " could not be read; it was kept as " + aside +
                            " and a new record begun.\n");
        EXPECT_EQ(contents(aside), text);
        EXPECT_TRUE(asides.insert(aside).second) << aside;
    }
}

TEST_F(PlayerFiles, AFileThatCannotBeReadNowIsLeftAloneNotSetAside) {
    // A pipe in the record's or the settings' place reads as an error, as a
    // failing disk would: nothing says the file behind it is damaged.
    for (const std::string& path : {records(), settings()}) {
        fs::create_directories(fs::path(path).parent_path());
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    }
    EXPECT_FALSE(keepGameInRecord(lostWithThree).saved);
    EXPECT_FALSE(keepGameInRecord(lostWithThree).beforeRead);
    saveSettings({true, true});

    const std::string said = complaints();
    EXPECT_NE(said.find("the record in " + records() + " cannot be read now"), said.npos) << said;
    EXPECT_NE(said.find("the settings in " + settings() + " cannot be read now"), said.npos);
    EXPECT_EQ(said.find("kept as"), said.npos) << said;
    EXPECT_TRUE(fs::is_fifo(records()) && fs::is_fifo(settings()));
}

// Root may rename what it cannot write; an immutable file it cannot rename.
bool makeImmutable(const std::string& path, bool immutable) {
    const int descriptor = open(path.c_str(), O_RDONLY);
    int flags = 0;
    bool done = descriptor >= 0 && ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    close(descriptor);
    return done;
}

TEST_F(PlayerFiles, ADamagedFileThatCannotBeMovedIsNeverWrittenOverAndToldOnce) {
    put(records(), "games played lots\n");
    put(settings(), "mute = loud\n");
    if (!makeImmutable(records(), true) || !makeImmutable(settings(), true)) {
        makeImmutable(records(), false);
        GTEST_SKIP() << "this disk keeps no immutable files";
    }
    const bool saved = keepGameInRecord(lostWithThree).saved || keepGameInRecord({}).saved;
    loadSettings();
    saveSettings({true, true});
    makeImmutable(records(), false);
    makeImmutable(settings(), false);

    EXPECT_FALSE(saved);
    EXPECT_EQ(contents(records()), "games played lots\n");
    EXPECT_EQ(contents(settings()), "mute = loud\n");
    const std::string said = complaints(); // once for each file, however often tried
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(said.find(records() + " could not be read and could not be set aside"), said.npos);
    EXPECT_NE(said.find(settings() + " could not be read and could not be set aside"), said.npos);
}

TEST_F(PlayerFiles, NoPlaceToWriteIsToldOncePerFileAndTheGameGoesOn) {
    // A file where Brumalo's folder should be, or the folder above it, or no HOME at all.
    for (const std::string where : {"/brumalo", "", "(no HOME)"}) {
        SCOPED_TRACE(where);
        fs::remove_all(folder + "/data");
        fs::remove_all(folder + "/home");
        forgetComplaints();
        if (where == "(no HOME)") {
            unsetenv("HOME");
            unsetenv("XDG_DATA_HOME");
        } else {
            put(folder + "/data" + where, "");
            put(folder + "/home/.config" + where, "");
        }

        const KeptRecord kept = keepGameInRecord(lostWithThree);
        EXPECT_FALSE(kept.saved || keepGameInRecord(lostWithThree).saved);
        EXPECT_EQ(kept.after.gamesPlayed, 1);
        saveSettings({true, true});
        saveSettings({true, true});
        EXPECT_FALSE(loadSettings().fullscreen);
        const std::string said = complaints();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
        EXPECT_LT(said.find("record"), said.find("settings")) << said;
    }
}

TEST_F(PlayerFiles, SettingsComeBackAsSavedAndADamagedFileIsSetAsideForTheDefaults) {
    EXPECT_FALSE(loadSettings().muted);
    saveSettings({false, true});
    EXPECT_TRUE(loadSettings().muted);
    EXPECT_EQ(complaints(), "");

    // Comments, spaces and keys of no use pass; junk, or a value not yes or no, does not.
    put(settings(), "\n# mine\r\n  fullscreen=yes  \nlanguage = eo\n");
    Settings loaded = loadSettings();
    EXPECT_TRUE(loaded.fullscreen);
    // A newer version's keys outlast this one writing the file.
    loaded.muted = true;
    saveSettings(loaded);
    EXPECT_EQ(contents(settings()), "# Brumalo's settings\nfullscreen = yes\nmute = yes\nvolume = "
                                    "5\nfocus = hold\nlanguage = eo\n");

    // A volume or focus the game cannot use costs only that choice: one
    // line each, the default, and the value written back until changed.
    put(settings(), "volume = 11\nfocus = sideways\nmute = yes\n");
    loaded = loadSettings();
    EXPECT_EQ(loaded.volume, 5);
    EXPECT_FALSE(loaded.focusToggles);
    EXPECT_TRUE(loaded.muted);
    const std::string told = complaints();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    EXPECT_NE(told.find("\"11\""), std::string::npos) << told;
    EXPECT_NE(told.find("\"sideways\""), std::string::npos) << told;
    EXPECT_EQ(contents(settings()), "volume = 11\nfocus = sideways\nmute = yes\n");
    loaded.focusToggles = true;
    loaded.unreadFocus.clear();
    saveSettings(loaded);
    EXPECT_EQ(contents(settings()), "# Brumalo's settings\nfullscreen = no\nmute = yes\nvolume = "
                                    "11\nfocus = toggle\n");
    complaints();
    for (const std::string& text :
         {std::string("fullscreen = maybe\n"), std::string("fullscreen\n"),
          std::string("fullscreen = yes\n\0=\0\n", 21)}) {
        SCOPED_TRACE(text);
        put(settings(), text);
        EXPECT_FALSE(loadSettings().fullscreen);
        const std::string said = complaints();
        EXPECT_EQ(said, "Brumalo: the settings in " + settings() +
                            " could not be read; they were kept as " + keptAs(said) +
                            " and new settings begun.\n");
        EXPECT_EQ(contents(keptAs(said)), text);
    }
}

} // namespace
