#include "platform/unit_quad.h"

#include <GL/gl.h>
#include <emscripten/html5.h>

// The browser's OpenGL emulation has no display lists, so there is nothing
// to build ahead: each sprite sends the quad's corners as it draws.

// The emulation puts the texture matrix into the shaders it generates only
// once the program has chosen the texture matrix mode, and goes on reusing
// shaders generated before that: a sprite with a texture window would show
// its whole picture. And a shader takes the matrix only after it has been
// set, so until then every texture coordinate would be zero. So that mode is
// chosen and the matrix set once, as soon as a context exists and before the
// first sprite draws, and the mode in use put back.
static void useTheTextureMatrixFromTheStart() {
    static bool chosen = false;
    if (chosen || emscripten_webgl_get_current_context() == 0) {
        return;
    }

    GLint mode = GL_MODELVIEW;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(static_cast<GLenum>(mode));
    chosen = true;
}

void prepareUnitQuad() {
    useTheTextureMatrixFromTheStart();
}

void drawUnitQuad() {
    useTheTextureMatrixFromTheStart();

    // No normal, unlike the desktop's list: the emulation takes glNormal3f
    // as part of the next vertex rather than as state, and one normal for
    // four corners throws the corners' layout off. Nothing is lit, so the
    // normal would change nothing anyway.
    glBegin(GL_QUADS);
    for (const UnitQuadCorner& corner : unitQuadCorners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, 0);
    }
    glEnd();
}
