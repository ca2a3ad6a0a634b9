// The unit tests play whole games, and a game that ends keeps its record: it
// goes to a folder beside the test program, never to the record of whoever
// runs them. Tests of the files themselves point these elsewhere.
#include <cstdlib>
#include <filesystem>

static const bool scratchPlayerHome = [] {
    std::error_code unknown;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", unknown);
    const std::string folder = (unknown ? "/tmp" : program.parent_path()) / "player-home";
    return setenv("XDG_DATA_HOME", folder.c_str(), 1) == 0 &&
           setenv("XDG_CONFIG_HOME", folder.c_str(), 1) == 0;
}();
