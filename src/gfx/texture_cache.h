#pragma once

#include <cstdint>
#include <map>
#include <memory>

// One picture turned into an OpenGL texture. Owned by the cache for the whole
// run; sprites and the ray only point at it.
struct Texture {
    std::uint32_t glName = 0xFFFFFFFFu; // -1 as signed: the picture is missing
    std::int32_t useCount = 1;
    const char* path = nullptr; // set only when the picture loaded
};

// Keyed by the path string's address, not its text: every path the game asks
// for is a constant stored once, so each picture loads at most once. The
// records live until the process ends; the map frees them then, so that a
// leak checker sees nothing left behind.
using TextureCache = std::map<const char*, std::unique_ptr<Texture>>;
extern TextureCache textureCache;
// Whether the picture decoder has been started: DevIL needs starting once,
// before its first picture. A fresh process starts with it false.
extern bool imageLibraryReady;

// Returns the shared record for a path, loading the picture on first request.
// Never null: a picture that did not load gives a record with glName -1.
Texture* getTexture(const char* path);

// Loads the file into a new texture for a fresh record and prints one line.
std::uint32_t loadTexture(Texture& texture, const char* path);

// Pictures the platform is still downloading, by the text of their path: the
// browser brings the live game's behind the title. One on its way is not
// missing, so it is asked for once it has arrived (the title waits); one
// expected twice has arrived once told twice.
void expectPicture(const char* path);
void pictureArrived(const char* path);
bool pictureOnItsWay(const char* path);
bool anyPictureOnItsWay();

// Pictures stay loaded for the whole run, so letting go of one does nothing.
void releaseTexture(Texture* texture);
