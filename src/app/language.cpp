#include "app/language.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// The names gettext tries for one locale name, most specific first:
// "de_DE.UTF-8@euro" gives de_DE@euro, de@euro, de_DE, de. The codeset
// never names a translation.
std::vector<std::string> namesToTry(const std::string& locale) {
    const size_t at = locale.find('@');
    const std::string modifier = at == std::string::npos ? "" : locale.substr(at);
    const std::string name = locale.substr(0, std::min(locale.find('.'), at));
    const size_t underscore = name.find('_');
    const std::string language = name.substr(0, underscore);
    const std::string territory = underscore == std::string::npos ? "" : name.substr(underscore);

    std::vector<std::string> names;
    if (!territory.empty() && !modifier.empty()) {
        names.push_back(language + territory + modifier);
    }
    if (!modifier.empty()) {
        names.push_back(language + modifier);
    }
    if (!territory.empty()) {
        names.push_back(language + territory);
    }
    names.push_back(language);
    return names;
}

// LANGUAGE's list when it has one; otherwise the locale of the first set of
// LC_ALL, LC_MESSAGES and LANG.
std::vector<std::string> wantedLocales(const LocaleSettings& settings) {
    std::vector<std::string> wanted;
    size_t start = 0;
    while (start <= settings.language.size()) {
        const size_t colon = std::min(settings.language.find(':', start), settings.language.size());
        if (colon > start) {
            wanted.push_back(settings.language.substr(start, colon - start));
        }
        start = colon + 1;
    }
    if (!wanted.empty()) {
        return wanted;
    }

    for (const std::string* locale : {&settings.lcAll, &settings.lcMessages, &settings.lang}) {
        if (!locale->empty()) {
            return {*locale};
        }
    }
    return {};
}

} // namespace

std::string languageFolder(const LocaleSettings& settings,
                           const std::vector<std::string>& translated) {
    for (const std::string& locale : wantedLocales(settings)) {
        const std::vector<std::string> names = namesToTry(locale);
        for (const std::string& name : names) {
            if (std::find(translated.begin(), translated.end(), name) != translated.end()) {
                return "lang/" + name;
            }
        }

        // English, like the C locale, is what the pictures already say: a
        // player who lists it before another language wants it.
        const std::string& language = names.back();
        if (language == "en" || language == "C" || language == "POSIX") {
            return "";
        }
    }
    return "";
}

std::vector<std::string> translatedLanguages() {
    // A missing or unreadable lang folder leaves no translation: English.
    std::vector<std::string> translated;
    std::error_code error;
    for (std::filesystem::directory_iterator entry("lang", error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code notFolder;
        if (entry->is_directory(notFolder)) {
            translated.push_back(entry->path().filename().string());
        }
    }
    return translated;
}

std::string chosenLanguageFolder() {
    return languageFolder(playerLocaleSettings(), translatedLanguages());
}

void enterLanguageFolder() {
    const std::string folder = chosenLanguageFolder();
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::current_path(folder, error);
    }
}
