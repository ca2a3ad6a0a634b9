#pragma once

#include "game/vec3.h"
#include "gfx/texture_cache.h"
#include "platform/unit_quad.h"

#include <cstdint>

// Everything on screen but the light ray is a sprite: one textured, tinted,
// transformed unit square (gfx/unit_quad.h).
struct Sprite {
    Vec3 position;       // the point the sprite turns about
    Vec3 pivot;          // the quad's centre relative to that point, after the turn
    Vec3 scale{1, 1, 1}; // width, height, depth of the drawn quad
    float rotation = 0;  // degrees, counter-clockwise about +z
    float colour[4] = {1, 1, 1, 1};
    std::uint8_t blend = 1;
    std::uint8_t hidden = 0;
    float texOffset[2] = {0, 0};
    float texScale[2] = {1, 1};
    std::uint8_t texWindow = 0; // show only the texOffset/texScale part of the picture
    Texture* texture = nullptr; // shared with the texture cache, never freed here

    Sprite();
    Sprite(const Sprite&) = default;
    Sprite& operator=(const Sprite&) = default;
    ~Sprite();

    // Takes the picture at path (a constant that lives for the whole run) and
    // returns its OpenGL name, -1 when the picture is missing.
    int setTexture(const char* path);

    void draw() const;
};

// What sprite drawing last left enabled and bound, so that a run of sprites
// sharing a picture and blending makes no redundant OpenGL calls.
struct RenderCache {
    std::int32_t boundTexture = -1; // -1: texturing is off
    std::uint8_t blendEnabled = 0;
};
extern RenderCache renderCache;

// Texturing is on with a texture bound that is no sprite's.
inline constexpr std::int32_t otherTextureBound = -2;

// Lets a sprite give up its picture and take another, as every owner does.
void retexture(Sprite& sprite, const char* path);
