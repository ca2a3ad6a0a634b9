#pragma once

#include <string>

// The settings that choose a program's language under gettext's rules, each
// empty when unset.
struct LocaleSettings {
    std::string language;   // LANGUAGE: a colon-separated list, most wanted first
    std::string lcAll;      // LC_ALL
    std::string lcMessages; // LC_MESSAGES
    std::string lang;       // LANG
};

// The player's settings: on the desktop from the environment, in the
// browser from the languages the browser is set to prefer.
LocaleSettings playerLocaleSettings();
