#include "gfx/texture_cache.h"

#include "platform/picture_decoding.h"

#include <cstdio>
#include <set>
#include <string>

bool imageLibraryReady = false;

// Empty on the desktop, which has every picture from the start. A picture
// may be on its way twice (in two downloads), and waits for both.
static std::multiset<std::string> picturesOnTheirWay;

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

void expectPicture(const char* path) {
    picturesOnTheirWay.insert(path);
}

void pictureArrived(const char* path) {
    const auto found = picturesOnTheirWay.find(path);
    if (found != picturesOnTheirWay.end()) {
        picturesOnTheirWay.erase(found);
    }
}

bool pictureOnItsWay(const char* path) {
    return picturesOnTheirWay.count(path) != 0;
}

bool anyPictureOnItsWay() {
    return !picturesOnTheirWay.empty();
}
