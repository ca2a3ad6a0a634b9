#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The player's own files (the record, the settings): where they live, and
// the careful ways they are read and written so that none is ever lost, half
// written or written over while damaged. Nothing here throws; what fails
// gives an errno for the one line the caller prints.

// The file `name` in Brumalo's folder of the player's data
// ($XDG_DATA_HOME/brumalo, else ~/.local/share/brumalo) or configuration
// ($XDG_CONFIG_HOME/brumalo, else ~/.config/brumalo). A variable that is empty
// or not an absolute path is ignored, as the XDG base directory rules say.
// Empty when the environment names no such place.
std::string playerDataFile(std::string_view name);
std::string playerConfigFile(std::string_view name);

// Makes the folder that holds `file`, and its parents, as needed (0700, as
// the XDG rules ask): 0 once it is there, else the errno that stopped it.
int makeFolderFor(const std::string& file);

// A player's file is a few lines; a larger one is not one, and is not read.
constexpr std::size_t largestPlayerFile = 64 * 1024;

// A player's file as read: missing (quietly: not written yet), read, or
// unreadable (a folder, too large, an input/output error...).
struct SmallFile {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    std::string text;
    int error = 0; // why it is unreadable
};
SmallFile readSmallFile(const std::string& path);

// Replaces `path` with `text`, whole or not at all: a new file beside it,
// flushed to the disk, then renamed over it. 0, or the errno that stopped it
// with the old file left as it was.
int writeFileWhole(const std::string& path, std::string_view text);

// Moves a damaged file aside for the player, to path.damaged-YYYYMMDD-HHMMSS
// (then -2, -3... when that name is taken), never over an existing file.
// The new path, or empty with `error` set when it could not be moved.
std::string setAside(const std::string& path, int& error);

// What a damaged file is called in the lines about it: "the record" or
// "the settings", the words for leaving it ("it is left as it is and
// nothing is kept") and for starting afresh ("it was kept as %s and a new
// record begun", with the new path for %s).
struct DamagedFileWords {
    const char* name;
    const char* leftAlone;
    const char* keptAs;
};

// Makes way for a fresh file at `path` when the one there is damaged: sets
// it aside with a line naming where it went, and answers true. One that
// cannot even be moved is left alone, with one line, and the answer is false:
// nothing may be written over it.
bool setDamagedFileAside(const std::string& path, const DamagedFileWords& words);

// The text without the spaces, tabs and carriage returns around it: a person
// may leave them when editing a file.
std::string_view trimmed(std::string_view text);

// The text's lines, each trimmed, blank ones included.
std::vector<std::string_view> trimmedLines(std::string_view text);

// Holds the exclusive lock of the lock file `path` (made as needed) while it
// lives, so that two games ending together take turns with the file beside
// it. It waits for another holder a short while only: the game is not kept
// waiting by one that hangs.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return error == 0; }
    int error = 0; // why the lock is not held; ETIMEDOUT when another kept it
  private:
    int descriptor = -1;
};

// Prints `line` on standard error, unless a complaint about `file` was
// already printed in this run: a folder that cannot be written is told once,
// not at every key press that would write to it.
void complainOnce(const std::string& file, const std::string& line);

// Forgets the complaints printed, as a new run would.
void forgetComplaints();
