#include "game/entities/ray.h"

#include "gfx/picture_paths.h"

#include <GL/gl.h>

Ray::Ray() : texture(getTexture(pictures::ray)) {}

void Ray::draw() const {
    const GLint own = texture ? static_cast<GLint>(texture->glName) : -1;

    // Borrow the texture unit, remembering what the sprites left on it.
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    const bool borrowsTexture = own != previous;
    GLboolean wasTexturing = GL_FALSE;
    if (borrowsTexture) {
        if (own == -1) {
            wasTexturing = glIsEnabled(GL_TEXTURE_2D);
            glDisable(GL_TEXTURE_2D);
        } else {
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(own));
        }
    }

    // glIsEnabled, not glGetBooleanv: the same answer, but a browser gives
    // it from the state it keeps, where glGetBooleanv waits on the GPU for
    // most of a frame.
    const GLboolean wasBlending = glIsEnabled(GL_BLEND);
    if (!wasBlending) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    glPushMatrix();

    // The picture's top row spans the glass; its bottom row shrinks to the
    // focus. The colour is set before the triangle, as state: a browser's GL
    // emulation takes a colour inside glBegin as the next corner's alone. Nothing
    // is lit, so the triangle needs no normal.
    glColor4f(1, 1, 1, 0.8f);
    glBegin(GL_TRIANGLES);
    glTexCoord2f(0, 0);
    glVertex3f(lensBottom.x, lensBottom.y, lensBottom.z);
    glTexCoord2f(1, 0);
    glVertex3f(lensTop.x, lensTop.y, lensTop.z);
    glTexCoord2f(0.5f, 1);
    glVertex3f(focus.x, focus.y, focus.z);
    glEnd();

    if (!wasBlending) {
        glDisable(GL_BLEND);
    }
    if (borrowsTexture) {
        // Without its own picture the ray drew untextured; the sprite cache
        // still believes texturing is on, so switch it back on for them.
        if (own == -1 && wasTexturing) {
            glEnable(GL_TEXTURE_2D);
        }
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    }

    glPopMatrix();
}
