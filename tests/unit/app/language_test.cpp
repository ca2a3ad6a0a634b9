#include "app/language.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> translated = {"de", "fr", "pt_BR", "sr@latin"};

struct Case {
    LocaleSettings settings;
    const char* folder;
};

void expectFolders(const std::vector<Case>& cases) {
    for (const Case& each : cases) {
        SCOPED_TRACE(each.settings.language + "|" + each.settings.lcAll + "|" +
                     each.settings.lcMessages + "|" + each.settings.lang);
        EXPECT_EQ(languageFolder(each.settings, translated), each.folder);
    }
}

} // namespace

TEST(LanguageFolder, ALocaleFallsBackFromRegionAndModifierToTheLanguageAlone) {
    expectFolders({
        {{"", "", "", "de_DE.UTF-8"}, "lang/de"},
        {{"", "", "", "de_AT@euro"}, "lang/de"},
        {{"", "", "", "pt_BR.UTF-8"}, "lang/pt_BR"},
        {{"", "", "", "pt_PT.UTF-8"}, ""}, // a region never borrows another's words
        {{"", "", "", "sr_RS.UTF-8@latin"}, "lang/sr@latin"},
        {{"", "", "", "xx_YY.UTF-8"}, ""},
    });
}

TEST(LanguageFolder, LanguageListComesFirstThenLcAllLcMessagesAndLang) {
    expectFolders({
        {{"fr:de", "", "", "C"}, "lang/fr"},
        {{"xx::de", "", "", "fr_FR.UTF-8"}, "lang/de"},
        {{"xx", "", "", "fr_FR.UTF-8"}, ""}, // the list is the whole wish
        {{"en_GB:de", "", "", ""}, ""},      // English asked for before German
        {{"", "fr_FR.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8"}, "lang/fr"},
        {{"", "", "de_DE.UTF-8", "fr_FR.UTF-8"}, "lang/de"},
        {{"", "C.UTF-8", "", "de_DE.UTF-8"}, ""},
        {{"", "", "", "POSIX"}, ""},
        {{"", "", "", ""}, ""},
    });
}
