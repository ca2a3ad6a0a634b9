#include "app/language.h"

#include <gtest/gtest.h>

TEST(LanguageFolder, FollowsGettextsOrderAndFallsBackFromTheRegionToTheLanguage) {
    const std::vector<std::string> translated = {"de", "fr", "pt_BR", "sr@latin"};
    const struct {
        LocaleSettings settings;
        const char* folder;
    } cases[] = {
        {{"", "", "", "de_AT.UTF-8@euro"}, "lang/de"},
        {{"", "", "", "pt_BR.UTF-8"}, "lang/pt_BR"},
        {{"", "", "", "pt_PT.UTF-8"}, ""}, // a region never borrows another's words
        {{"", "", "", "sr_RS.UTF-8@latin"}, "lang/sr@latin"},
        {{"xx::de", "", "", "fr_FR.UTF-8"}, "lang/de"},
        {{"xx", "", "", "fr_FR.UTF-8"}, ""}, // the list is the whole wish
        {{"en_GB:de", "", "", ""}, ""},      // English asked for before German
        {{"", "fr_FR.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8"}, "lang/fr"},
        {{"", "", "de_DE.UTF-8", "fr_FR.UTF-8"}, "lang/de"},
        {{"", "C.UTF-8", "", "de_DE.UTF-8"}, ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.settings.language + "|" + each.settings.lcAll + "|" +
                     each.settings.lcMessages + "|" + each.settings.lang);
        EXPECT_EQ(languageFolder(each.settings, translated), each.folder);
    }
}
