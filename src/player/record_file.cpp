#include "player/record_file.h"

#include "player/player_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

KeptRecord keepGameInRecord(const GameResult& game) {
    // Whatever fails below, the game still counts in the record the result
    // screen shows; it is only not kept.
    KeptRecord kept;
    kept.after = withGame(kept.before, game);

    // 1. The place: the player's data folder.
    const std::string path = playerDataFile("records");
    if (path.empty()) {
        complainOnce("records", "Brumalo: neither XDG_DATA_HOME nor HOME names a folder for the "
                                "record, so this game is not kept.");
        return kept;
    }
    const auto cannotWrite = [&path](int error) {
        complainOnce(path, "Brumalo: the record cannot be written to " + path + " (" +
                               std::strerror(error) + "), so this game is not kept.");
    };
    if (const int error = makeFolderFor(path)) {
        cannotWrite(error);
        return kept;
    }

    // 2. The lock, held to the end, so that a game ending beside this one
    // reads the record only once this game is in it.
    const FileLock lock(path + ".lock");
    if (lock.error == ETIMEDOUT) {
        complainOnce(path, "Brumalo: another Brumalo kept the record in " + path +
                               " busy for too long, so this game is not kept.");
        return kept;
    }
    if (!lock.held()) {
        cannotWrite(lock.error);
        return kept;
    }

    // 3. The record as it stands now. One read whole that is not a record
    // (or too large to be one) is kept for the player under another name and
    // a new one begun; one that cannot even be moved is left alone and
    // nothing written over it. One that cannot be read now may be sound:
    // it is left as it is, and this game not kept.
    const SmallFile file = readSmallFile(path);
    if (file.state == SmallFile::State::Unreadable && file.error != EFBIG) {
        std::fprintf(stderr,
                     "Brumalo: the record in %s cannot be read now (%s), so this game is "
                     "not kept.\n",
                     path.c_str(), std::strerror(file.error));
        return kept;
    }
    std::optional<Record> before = Record{};
    if (file.state == SmallFile::State::Read) {
        before = parseRecord(file.text);
    }
    if (file.state == SmallFile::State::Unreadable || !before) {
        const DamagedFileWords words = {"the record", "it is left as it is and nothing is kept",
                                        "it was kept as %s and a new record begun"};
        if (!setDamagedFileAside(path, words)) {
            return kept;
        }
        before = Record{};
    }

    // 4. This game in it, written whole.
    kept.before = *before;
    kept.beforeRead = true;
    kept.after = withGame(kept.before, game);
    if (const int error = writeFileWhole(path, formatRecord(kept.after))) {
        cannotWrite(error);
        return kept;
    }
    kept.saved = true;
    return kept;
}
