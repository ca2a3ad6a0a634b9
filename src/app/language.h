#pragma once

#include "platform/locale.h"

#include <string>
#include <vector>

// The folder, relative to the data folder, whose pictures speak the first
// wanted language among `translated` (the names of the folders under lang/),
// such as "lang/pt_BR"; empty for English, the pictures' own language.
std::string languageFolder(const LocaleSettings& settings,
                           const std::vector<std::string>& translated);

// The folders under ./lang, each a language the pictures are made in.
std::vector<std::string> translatedLanguages();

// languageFolder for this player, among the folders under ./lang.
std::string chosenLanguageFolder();

// Changes into chosenLanguageFolder, if any. The game keeps opening its
// pictures and sounds as ./img and ./sounds, so this must run before
// anything loads.
void enterLanguageFolder();
