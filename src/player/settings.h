#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The player's choices that outlast a run, kept as plain text in the
// player's configuration folder.
struct Settings {
    bool fullscreen = false;
    bool muted = false;
    int volume = 5;            // 0 (off) to 5 (full), apart from the mute
    bool focusToggles = false; // a press starts the focus, the next stops it
    // A volume or focus value this build cannot read, kept as written (a
    // newer build's, or a typing slip) until the player chooses one: it
    // costs the player only that choice, never the file.
    std::string unreadVolume{};
    std::string unreadFocus{};
    // Lines of keys this build does not know (a newer build's choices),
    // written back as they were, after the ones it knows.
    std::vector<std::string> otherLines{};
};

// The saved settings, or the defaults when there are none or they cannot be
// read (a damaged file is set aside, with one line on standard error).
Settings loadSettings();

// Writes the settings whole; a folder that cannot be written gets one line on
// standard error, and the game goes on.
void saveSettings(const Settings& settings);

// The file's text and back: a "# Brumalo's settings" line, then
// "fullscreen = yes", "mute = no", "volume = 5" and "focus = hold" lines,
// then the other keys' lines.
// Comments and blank lines are passed over, lines of other keys kept; a line that is neither, a
// value other than yes or no, or binary junk gives none.
std::string formatSettings(const Settings& settings);
std::optional<Settings> parseSettings(std::string_view text);
