#include "gfx/texture_cache.h"

#include "platform/picture_decoding.h"

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
    if (uploadPicture(path, texture.glName)) {
        texture.path = path;
        printResourceLine("Loaded texture ", path);
    } else {
        printResourceLine("Couldn't load texture ", path);
    }
    return texture.glName;
}

void releaseTexture(Texture*) {}
