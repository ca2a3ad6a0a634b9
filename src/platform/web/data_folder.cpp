#include "platform/data_folder.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

// In the browser the data is downloaded into the page's own file system
// before the game starts, at this one place (cmake/Web.cmake packs it).
static constexpr const char* dataFolder = "/brumalo";

bool enterDataFolder(const char*) {
    struct stat status;
    const bool found = stat("/brumalo/img", &status) == 0 && S_ISDIR(status.st_mode);
    if (!found || chdir(dataFolder) != 0) {
        std::fprintf(
            stderr, "Brumalo cannot find its pictures and sounds: there is no img/ folder in %s.\n",
            dataFolder);
        return false;
    }
    return true;
}
