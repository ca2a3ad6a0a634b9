#pragma once

#include <cstdint>

// Turning a picture file into an OpenGL texture is the one step of the
// texture cache that differs by platform: the desktop decodes with DevIL and
// uploads through its OpenGL bridge, the browser decodes with stb_image and
// uploads in the sized formats WebGL insists on. Each platform has its own
// picture_decoding.cpp.

// Decodes the picture at path and uploads it into a new texture, left bound,
// whose name it stores in glName. Texture row 0 is the picture's top row, as
// the unit quad's texture coordinates expect. False when the file cannot be
// read or decoded: then no texture is made and glName keeps its value.
bool uploadPicture(const char* path, std::uint32_t& glName);
