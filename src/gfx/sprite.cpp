#include "gfx/sprite.h"

#include <GL/gl.h>

RenderCache renderCache;
Sprite::Sprite() {
    prepareUnitQuad();
}

Sprite::~Sprite() {
    if (texture) {
        releaseTexture(texture);
    }
}

void retexture(Sprite& sprite, const char* path) {
    if (sprite.texture) {
        releaseTexture(sprite.texture);
    }
    sprite.texture = getTexture(path);
}

int Sprite::setTexture(const char* path) {
    retexture(*this, path);
    return texture ? static_cast<int>(texture->glName) : -1;
}

void Sprite::draw() const {
    if (hidden) {
        return;
    }

    const std::int32_t name = texture ? static_cast<std::int32_t>(texture->glName) : -1;
    if (name != renderCache.boundTexture) {
        if (renderCache.boundTexture == -1) {
            glEnable(GL_TEXTURE_2D);
        }
        if (name == -1) {
            glDisable(GL_TEXTURE_2D);
        } else {
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(name));
        }
        renderCache.boundTexture = name;
    }

    if (blend != renderCache.blendEnabled) {
        if (blend) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            glDisable(GL_BLEND);
        }
        renderCache.blendEnabled = blend;
    }

    glPushMatrix();
    glColor4fv(colour);
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation, 0, 0, 1);
    glTranslatef(pivot.x, pivot.y, pivot.z);
    glScalef(scale.x, scale.y, scale.z);
    if (texWindow) {
        glMatrixMode(GL_TEXTURE);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(texOffset[0], texOffset[1], 0);
        glScalef(texScale[0], texScale[1], 0);
    }
    drawUnitQuad();
    if (texWindow) {
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }
    glPopMatrix();
}
