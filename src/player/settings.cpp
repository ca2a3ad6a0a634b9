#include "player/settings.h"

#include "player/player_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Text a person could have typed: no control characters but tabs and line
// breaks.
bool isPlainText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char each) {
        const auto byte = static_cast<unsigned char>(each);
        return (byte < 0x20 && each != '\t' && each != '\r' && each != '\n') || byte == 0x7f;
    });
}

std::optional<bool> parseYesNo(std::string_view text) {
    if (text == "yes") {
        return true;
    }
    if (text == "no") {
        return false;
    }
    return std::nullopt;
}

// Makes way for new settings at `path`: true when they may be written there,
// the file there being missing, sound, or damaged and now set aside for the
// player. A damaged file that cannot be moved is left alone, with one line,
// and so is one that cannot be read now, which may well be sound.
bool clearForSettings(const std::string& path) {
    const SmallFile file = readSmallFile(path);
    if (file.state == SmallFile::State::Missing ||
        (file.state == SmallFile::State::Read && parseSettings(file.text))) {
        return true;
    }
    if (file.state == SmallFile::State::Unreadable && file.error != EFBIG) {
        complainOnce(path, "Brumalo: the settings in " + path + " cannot be read now (" +
                               std::strerror(file.error) + "), so they are left as they are.");
        return false;
    }

    return setDamagedFileAside(path, {"the settings", "they are left as they are and not kept",
                                      "they were kept as %s and new settings begun"});
}

// One line each for a value the game cannot use, which it then does without.
void tellOfUnreadValues(const std::string& path, const Settings& settings) {
    if (!settings.unreadVolume.empty()) {
        std::fprintf(stderr,
                     "Brumalo: the volume \"%s\" in %s is not one of 0 to 5, so the full "
                     "volume is used.\n",
                     settings.unreadVolume.c_str(), path.c_str());
    }
    if (!settings.unreadFocus.empty()) {
        std::fprintf(stderr,
                     "Brumalo: the focus \"%s\" in %s is neither hold nor toggle, so the "
                     "light is focused while held.\n",
                     settings.unreadFocus.c_str(), path.c_str());
    }
}

} // namespace

std::string formatSettings(const Settings& settings) {
    const std::string volume =
        !settings.unreadVolume.empty() ? settings.unreadVolume : std::to_string(settings.volume);
    const std::string focus = !settings.unreadFocus.empty() ? settings.unreadFocus
                              : settings.focusToggles       ? "toggle"
                                                            : "hold";
    std::string text = std::string("# Brumalo's settings\nfullscreen = ") +
                       (settings.fullscreen ? "yes" : "no") +
                       "\nmute = " + (settings.muted ? "yes" : "no") + "\nvolume = " + volume +
                       "\nfocus = " + focus + "\n";
    for (const std::string& line : settings.otherLines) {
        text += line + "\n";
    }
    return text;
}

std::optional<Settings> parseSettings(std::string_view text) {
    if (!isPlainText(text)) {
        return std::nullopt;
    }
    Settings settings;
    for (const std::string_view line : trimmedLines(text)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }

        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view text = trimmed(line.substr(equals + 1));
        if (key == "volume") {
            const bool step = text.size() == 1 && text[0] >= '0' && text[0] <= '5';
            settings.volume = step ? text[0] - '0' : Settings{}.volume;
            settings.unreadVolume = step ? "" : std::string(text);
            continue;
        }
        if (key == "focus") {
            settings.focusToggles = text == "toggle";
            settings.unreadFocus = text == "toggle" || text == "hold" ? "" : std::string(text);
            continue;
        }
        bool* value = key == "fullscreen" ? &settings.fullscreen
                      : key == "mute"     ? &settings.muted
                                          : nullptr;
        if (value == nullptr) {
            // A key of another version, or of a slip of the pen: no harm,
            // and kept for the version that knows it.
            settings.otherLines.emplace_back(line);
            continue;
        }
        const std::optional<bool> yes = parseYesNo(text);
        if (!yes) {
            return std::nullopt;
        }
        *value = *yes;
    }
    return settings;
}

Settings loadSettings() {
    // No place, no file, or no folder yet: the defaults, quietly, as on the
    // first run.
    const std::string path = playerConfigFile("settings");
    if (path.empty()) {
        return {};
    }
    const SmallFile file = readSmallFile(path);
    if (file.state == SmallFile::State::Read) {
        if (const std::optional<Settings> settings = parseSettings(file.text)) {
            tellOfUnreadValues(path, *settings);
            return *settings;
        }
    }
    clearForSettings(path);
    return {};
}

void saveSettings(const Settings& settings) {
    const std::string path = playerConfigFile("settings");
    if (path.empty()) {
        complainOnce("settings", "Brumalo: neither XDG_CONFIG_HOME nor HOME names a folder for "
                                 "the settings, so they are not kept.");
        return;
    }
    int error = makeFolderFor(path);
    if (error == 0 && !clearForSettings(path)) {
        return;
    }
    if (error == 0) {
        error = writeFileWhole(path, formatSettings(settings));
    }
    if (error != 0) {
        complainOnce(path, "Brumalo: the settings cannot be written to " + path + " (" +
                               std::strerror(error) + "), so they are not kept.");
    }
}
