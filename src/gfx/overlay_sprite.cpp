#include "gfx/overlay_sprite.h"

Sprite overlaySprite(const char* path, const float x, const float y, const float width,
                     const float height) {
    Sprite sprite;
    const auto cached = textureCache.find(path);
    sprite.texture = cached != textureCache.end() ? cached->second.get() : getTexture(path);
    sprite.position = {x, y, 0};
    sprite.scale = {width, height, 1};
    // A picture that did not load is left out, not drawn as a blank box over
    // what the player is reading; the console has said which one it was.
    sprite.hidden = static_cast<std::int32_t>(sprite.texture->glName) == -1;
    return sprite;
}
