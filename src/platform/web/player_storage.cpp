#include "platform/player_storage.h"

#include <emscripten.h>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

// The files the game sees are the page's own copy in memory, which nothing
// else changes while the game's code runs: a name seen free is still free
// when the rename comes.
int moveIfFree(const std::string& from, const std::string& to) {
    struct stat status;
    if (stat(to.c_str(), &status) == 0) {
        return EEXIST;
    }
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The copy in memory is over folders kept in the browser's IndexedDB, which
// every tab of the site shares; the start-up script (cmake/web/start.js)
// mounts them and copies the changed file there in the background, one
// change after another under a lock shared by the tabs.
void persistPlayerFile(const std::string& path) {
    EM_ASM({ Module['brumaloPlayerFiles'].keep(UTF8ToString($0)); }, path.c_str());
}

// Later, once the lock is had and the files are read afresh: from the
// browser's loop, never before this returns.
void withFreshPlayerFiles(void (*work)(void*), void* context) {
    EM_ASM(
        {
            const work = $0;
            const context = $1;
            Module['brumaloPlayerFiles'].withFresh(
                function() { getWasmTableEntry(work)(context); });
        },
        work, context);
}
