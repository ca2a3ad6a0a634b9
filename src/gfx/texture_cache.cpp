#include "gfx/texture_cache.h"

#include <GL/gl.h>
#include <IL/il.h>
#include <IL/ilu.h>
#define ILUT_USE_OPENGL // Debian builds ILUT with its OpenGL bridge; the header needs telling
#include <IL/ilut.h>

#include <cstdio>

bool imageLibraryReady = false;

static void printResourceLine(const char* message, const char* path) {
    std::printf("%s%s\n", message, path);
    std::fflush(stdout);
}

Texture* getTexture(const char* path) {
    const auto found = textureCache.find(path);
    if (found != textureCache.end()) {
        found->second->useCount += 1;
        return found->second.get();
    }

    auto texture = std::make_unique<Texture>();
    loadTexture(*texture, path);
    return textureCache.emplace(path, std::move(texture)).first->second.get();
}

std::uint32_t loadTexture(Texture& texture, const char* path) {
    if (!imageLibraryReady) {
        ilInit();
        ilutRenderer(ILUT_OPENGL);
        // Rows must arrive top first, so that texture row t = 0 is the top
        // of the picture as any image viewer shows it. The upload copies and
        // turns over any picture that says its top row comes first, which
        // for a full-window JPEG costs nearly as much as decoding it; so
        // pictures are decoded bottom row first and turned over in place
        // before the upload, and go up as they are.
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
        imageLibraryReady = true;
    }

    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);

    if (ilLoadImage(path)) {
        // Top row first now, while the picture still calls its origin the
        // lower left corner.
        iluFlipImage();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glGenTextures(1, &texture.glName);
        glBindTexture(GL_TEXTURE_2D, texture.glName);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        ilutGLTexImage(0);
        texture.path = path;
        printResourceLine("Loaded texture ", path);
    } else {
        printResourceLine("Couldn't load texture ", path);
    }

    // Once uploaded, only OpenGL needs the pixels.
    ilDeleteImages(1, &image);
    return texture.glName;
}

void releaseTexture(Texture*) {}
