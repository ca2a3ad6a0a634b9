// The unit tests play whole games, and a game that ends keeps its record: it
// goes to a scratch folder of the tests' own, never to the record of
// whoever runs them. Tests of the files themselves point these elsewhere.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct ScratchPlayerHome {
    std::string folder;

    ScratchPlayerHome() {
        char name[] = "/tmp/brumalo-unit-home.XXXXXX";
        if (!mkdtemp(name)) {
            return;
        }
        folder = name;
        setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    }
    ~ScratchPlayerHome() {
        if (!folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
};

const ScratchPlayerHome scratchPlayerHome;

} // namespace
