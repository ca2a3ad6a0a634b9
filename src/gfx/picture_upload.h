#pragma once

#include <cstdint>

// The part both platforms share: a new texture, bound, for a picture's
// pixels, smoothed both ways and repeating or clamped by wrap
// (GL_REPEAT, GL_CLAMP_TO_EDGE), its rows read byte by byte.
std::uint32_t startPictureTexture(int wrap);
