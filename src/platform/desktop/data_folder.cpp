#include "platform/data_folder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

// The installed data folder, relative to the folder of the installed program;
// the build sets it from the install layout.
#ifndef BRUMALO_DATA_FROM_PROGRAM
#error "BRUMALO_DATA_FROM_PROGRAM must name the data folder relative to the program's folder"
#endif

namespace {

namespace fs = std::filesystem;

bool holdsData(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "img", error);
}

// The folder of the running program, with every symbolic link resolved: from
// the kernel when it can tell, else from the path the program was started by.
fs::path programFolder(const char* programPath) {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error && programPath != nullptr && std::strchr(programPath, '/') != nullptr) {
        program = fs::weakly_canonical(programPath, error);
    }
    if (error || program.empty()) {
        return {};
    }
    return program.parent_path();
}

} // namespace

bool enterDataFolder(const char* programPath) {
    // 1. The current folder: nothing to change.
    if (holdsData(".")) {
        return true;
    }
    std::error_code error;
    std::vector<fs::path> places = {fs::current_path(error)};

    // 2. and 3. Beside the program.
    const fs::path folder = programFolder(programPath);
    if (!folder.empty()) {
        places.push_back(folder);
        places.push_back((folder / BRUMALO_DATA_FROM_PROGRAM).lexically_normal());
    }
    for (std::size_t i = 1; i < places.size(); ++i) {
        if (holdsData(places[i])) {
            fs::current_path(places[i], error);
            if (!error) {
                return true;
            }
        }
    }

    std::string looked;
    for (std::size_t i = 0; i < places.size(); ++i) {
        looked += i == 0 ? "" : (i + 1 == places.size() ? " or " : ", ");
        looked += places[i].string();
    }
    std::fprintf(stderr,
                 "Brumalo cannot find its pictures and sounds: there is no img/ folder in %s.\n",
                 looked.c_str());
    return false;
}
