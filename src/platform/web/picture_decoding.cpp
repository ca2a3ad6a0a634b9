#include "platform/picture_decoding.h"

#include "gfx/picture_upload.h"

#include <GL/gl.h>

// The decoder lives in its header; this file is the one place it is compiled.
// The game's pictures are PNG and JPEG only.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include <stb/stb_image.h>

static bool isPowerOfTwo(const int size) {
    return size > 0 && (size & (size - 1)) == 0;
}

bool uploadPicture(const char* path, std::uint32_t& glName) {
    // The header alone says whether the picture has alpha. Grey pictures
    // widen to colour, so that the upload needs only the two formats WebGL
    // takes, and opaque ones stay three bytes a pixel.
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info(path, &width, &height, &channels)) {
        return false;
    }
    const bool hasAlpha = channels == 2 || channels == 4;
    const int uploadChannels = hasAlpha ? 4 : 3;

    // stb_image hands rows over top row first, which is the order the
    // desktop uploads in: texture row t = 0 is the top of the picture, as
    // the unit quad's texture coordinates expect. So they go up as they are.
    stbi_uc* pixels = stbi_load(path, &width, &height, &channels, uploadChannels);
    if (!pixels) {
        return false;
    }

    // WebGL 1 refuses to repeat a texture whose sides are not powers of two
    // and samples it as black; such a picture is clamped to its edge instead.
    // The game's own pictures are powers of two and repeat as on the desktop.
    const GLint wrap = isPowerOfTwo(width) && isPowerOfTwo(height) ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    const GLenum format = hasAlpha ? GL_RGBA : GL_RGB;

    glName = startPictureTexture(wrap);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format,
                 GL_UNSIGNED_BYTE, pixels);

    // Once uploaded, only OpenGL needs the pixels.
    stbi_image_free(pixels);
    return true;
}
