#include "platform/player_storage.h"

#include <emscripten.h>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

// In the browser one page runs one game, alone with its copy of the files:
// a name seen free is still free when the rename comes.
int moveIfFree(const std::string& from, const std::string& to) {
    struct stat status;
    if (stat(to.c_str(), &status) == 0) {
        return EEXIST;
    }
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The files live in memory, over folders kept in the browser's IndexedDB
// (cmake/web/start.js mounts them); copying them there is the page's to do,
// in the background. The page counts the copies under way, so that "Play
// again" does not reload in the middle of one and lose what the game just kept.
void persistPlayerFile(const std::string&) {
    EM_ASM({
        Module.savesInFlight = (Module.savesInFlight || 0) + 1;
        FS.syncfs(
            false, function(error) {
                Module.savesInFlight--;
                if (error) {
                    err('Brumalo could not keep the record and settings in the browser: ' + error);
                }
            });
    });
}

void withFreshPlayerFiles(void (*work)(void*), void* context) {
    work(context);
}
