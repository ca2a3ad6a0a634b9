#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 16-bit mono PCM as a canonical WAV file; false if it cannot.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate);
