#include "player/player_files.h"

#include "platform/player_storage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Sections:
//   Where the files live
//   Reading
//   Writing whole
//   Setting a damaged file aside
//   The lock
//   Complaints

// ---------------------------------------------------------------------------
// Where the files live

namespace {

// An environment variable that names an absolute path, else empty.
std::string absolutePathIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

std::string playerFile(const char* variable, const char* underHome, std::string_view name) {
    std::string base = absolutePathIn(variable);
    if (base.empty()) {
        const std::string home = absolutePathIn("HOME");
        if (home.empty()) {
            return {};
        }
        base = home + underHome;
    }
    return base + "/brumalo/" + std::string(name);
}

// The folder that holds `file`.
std::string folderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : file.substr(0, slash);
}

} // namespace

std::string playerDataFile(std::string_view name) {
    return playerFile("XDG_DATA_HOME", "/.local/share", name);
}

std::string playerConfigFile(std::string_view name) {
    return playerFile("XDG_CONFIG_HOME", "/.config", name);
}

int makeFolderFor(const std::string& file) {
    const std::string folder = folderOf(file);

    // Each folder down the path in turn, as mkdir -p would. A folder that is
    // already there is fine, whatever mkdir says of it (an existing folder
    // on a read-only disk gives EROFS on some systems).
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string step = folder.substr(0, slash);
        if (mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            struct stat status;
            if (stat(step.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
                return error;
            }
        }
        if (slash == std::string::npos) {
            break;
        }
    }

    // A file where the folder should be.
    struct stat status;
    if (stat(folder.c_str(), &status) != 0) {
        return errno;
    }
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

// ---------------------------------------------------------------------------
// Reading

SmallFile readSmallFile(const std::string& path) {
    SmallFile file;

    // O_NONBLOCK, so that a pipe in the file's place cannot keep the game
    // waiting; only a regular file is read.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0) {
        // No file, or no folder for it: nothing was ever written there.
        if (errno != ENOENT && errno != ENOTDIR) {
            file.state = SmallFile::State::Unreadable;
            file.error = errno;
        }
        return file;
    }
    struct stat status;
    if (fstat(descriptor, &status) != 0) {
        file.error = errno;
    } else if (S_ISDIR(status.st_mode)) {
        file.error = EISDIR;
    } else if (!S_ISREG(status.st_mode)) {
        file.error = EINVAL;
    } else if (static_cast<std::size_t>(status.st_size) > largestPlayerFile) {
        file.error = EFBIG;
    }

    // Read to the end, or until it proves too large (it may have grown).
    char buffer[4096];
    while (file.error == 0) {
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            file.error = errno;
        } else if (count == 0) {
            break;
        } else if (file.text.size() + count > largestPlayerFile) {
            file.error = EFBIG;
        } else {
            file.text.append(buffer, count);
        }
    }
    close(descriptor);

    if (file.error != 0) {
        file.state = SmallFile::State::Unreadable;
        file.text.clear();
    } else {
        file.state = SmallFile::State::Read;
    }
    return file;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view space = " \t\r";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::vector<std::string_view> trimmedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(trimmed(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

// ---------------------------------------------------------------------------
// Writing whole

namespace {

int writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t count = write(descriptor, text.data(), text.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return errno;
        }
        text.remove_prefix(count);
    }
    return 0;
}

} // namespace

int writeFileWhole(const std::string& path, std::string_view text) {
    // 1. A new file with a name of its own in the same folder, so that the
    // rename stays on one disk and two writers never share one.
    const std::string folder = folderOf(path);
    std::string temporary = folder + "/." + path.substr(folder.size() + 1) + ".new-XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }

    // 2. The text, on the disk before the name points at it: a power cut
    // leaves the old file or the new one, never an empty one.
    int error = writeAll(descriptor, text);
    if (error == 0 && fsync(descriptor) != 0) {
        error = errno;
    }
    if (close(descriptor) != 0 && error == 0) {
        error = errno;
    }

    // 3. The new file takes the old one's name at once.
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }

    // 4. The folder, so that the rename itself outlasts a power cut. Nothing
    // is lost if it cannot be: the file is whole either way.
    const int folderDescriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        fsync(folderDescriptor);
        close(folderDescriptor);
    }
    persistPlayerFile(path);
    return 0;
}

// ---------------------------------------------------------------------------
// Setting a damaged file aside

std::string setAside(const std::string& path, int& error) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = path + ".damaged-" + stamp;

    for (int number = 1; number <= 1000; ++number) {
        const std::string aside = number == 1 ? base : base + "-" + std::to_string(number);
        error = moveIfFree(path, aside);
        if (error == 0) {
            persistPlayerFile(path);
            persistPlayerFile(aside);
            return aside;
        }
        if (error != EEXIST) {
            return {};
        }
    }
    return {};
}

bool setDamagedFileAside(const std::string& path, const DamagedFileWords& words) {
    int error = 0;
    const std::string aside = setAside(path, error);
    if (aside.empty() && error != ENOENT) {
        complainOnce(path, std::string("Brumalo: ") + words.name + " in " + path +
                               " could not be read and could not be set aside (" +
                               std::strerror(error) + "); " + words.leftAlone + " this run.");
        return false;
    }
    if (!aside.empty()) {
        // Told every time: each line names another kept file.
        std::fprintf(stderr, "Brumalo: %s in %s could not be read; ", words.name, path.c_str());
        std::fprintf(stderr, words.keptAs, aside.c_str());
        std::fprintf(stderr, ".\n");
    }
    return true;
}

// ---------------------------------------------------------------------------
// The lock

namespace {

// Long enough for another game to write its record many times over, short
// enough that a player closing the game hardly notices.
constexpr int lockWaitMs = 2000;

} // namespace

FileLock::FileLock(const std::string& path) {
    descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
    if (descriptor < 0) {
        error = errno;
        return;
    }

    // flock has no time limit of its own: ask without waiting, and again
    // every millisecond.
    for (int waited = 0;; ++waited) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = errno;
            break;
        }
        if (waited == lockWaitMs) {
            error = ETIMEDOUT;
            break;
        }
        const timespec millisecond = {0, 1'000'000};
        nanosleep(&millisecond, nullptr);
    }
    close(descriptor);
    descriptor = -1;
}

FileLock::~FileLock() {
    // Closing the only descriptor of the lock file lets the lock go.
    if (descriptor >= 0) {
        close(descriptor);
    }
}

// ---------------------------------------------------------------------------
// Complaints

namespace {

// The files complained about in this run.
std::set<std::string> complainedAbout;

} // namespace

void complainOnce(const std::string& file, const std::string& line) {
    if (complainedAbout.insert(file).second) {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

void forgetComplaints() {
    complainedAbout.clear();
}
