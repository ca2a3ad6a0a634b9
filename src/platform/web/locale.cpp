#include "platform/locale.h"

#include <emscripten.h>

#include <cstdlib>

// The browser's languages, most wanted first, as a LANGUAGE list: "pt-BR"
// becomes gettext's "pt_BR". The caller frees the text.
// clang-format off
EM_JS(char*, browserLanguages, (), {
    const languages = navigator.languages || [navigator.language || ""];
    return stringToNewUTF8(languages.map(name => name.replace(/-/g, '_')).join(':'));
});
// clang-format on

// The browser's list in place of LANGUAGE; the rest as on the desktop, for a
// page that sets them (emscripten's LANG is the browser's first language).
LocaleSettings playerLocaleSettings() {
    const auto setting = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    char* languages = browserLanguages();
    LocaleSettings settings = {languages ? languages : "", setting("LC_ALL"),
                               setting("LC_MESSAGES"), setting("LANG")};
    std::free(languages);
    return settings;
}
