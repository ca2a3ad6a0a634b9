#include "platform/unit_quad.h"

#include <GL/gl.h>

unsigned int unitQuadList = 0;

static void buildUnitQuad() {
    // Sprites built before the window exists get 0 here and leave the list
    // for the first sprite built after it.
    unitQuadList = glGenLists(1);
    glNewList(unitQuadList, GL_COMPILE);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    for (const UnitQuadCorner& corner : unitQuadCorners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, 0);
    }
    glEnd();
    glEndList();
}

void prepareUnitQuad() {
    if (unitQuadList == 0) {
        buildUnitQuad();
    }
}

void drawUnitQuad() {
    glCallList(unitQuadList);
}
