#include "platform/locale.h"

#include <cstdlib>

LocaleSettings playerLocaleSettings() {
    const auto setting = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {setting("LANGUAGE"), setting("LC_ALL"), setting("LC_MESSAGES"), setting("LANG")};
}
