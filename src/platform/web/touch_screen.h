#pragma once

#include <string>

// The folder, relative to the data folder, whose lettered pictures this
// player sees. On a touch screen, those worded for a finger ("Tap to
// start"): touch/<language>, English as touch/en, made ready to be filled.
// Otherwise `languageFolder` itself ("lang/de", or empty for English). The
// page hears of it as Module.brumaloPictureFolder.
std::string pictureFolderFor(const std::string& languageFolder);
