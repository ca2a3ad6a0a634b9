#include "platform/web/touch_screen.h"

#include <emscripten.h>

#include <filesystem>
#include <system_error>

// A touch screen is one whose main pointer is a finger: a laptop with a
// touch screen and a mouse still says "click".
// clang-format off
EM_JS(int, touchIsTheMainPointer, (), {
    return window.matchMedia && window.matchMedia('(pointer: coarse)').matches ? 1 : 0;
});

EM_JS(void, tellPageThePictureFolder, (const char* folder), {
    Module['brumaloPictureFolder'] = UTF8ToString(folder);
});
// clang-format on

std::string pictureFolderFor(const std::string& languageFolder) {
    std::string folder = languageFolder;
    if (touchIsTheMainPointer()) {
        const std::string lang = "lang/";
        const bool translated = folder.compare(0, lang.size(), lang) == 0;
        folder = "touch/" + (translated ? folder.substr(lang.size()) : std::string("en"));
        std::error_code ignored;
        std::filesystem::create_directories(folder + "/img", ignored);
    }
    tellPageThePictureFolder(folder.c_str());
    return folder;
}
