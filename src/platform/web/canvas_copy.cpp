#include "platform/canvas_copy.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

// A texture as large as the canvas area, kept for the whole page.
namespace {

GLuint copyTexture = 0;
int copyWidth = 0; // 0 while nothing is kept
int copyHeight = 0;

// Linear fog turns each fragment's colour c into f·c + (1 − f)·its colour,
// and leaves the alpha alone. At f = 1 − a that is c·(1 − a) + t·a, what the
// tint t laid over c at a leaves. The factor falls linearly with the distance
// from the eye, (end − distance) / (end − start); what is tinted lies at one
// distance, so the range is set around it, and far wider than the distance,
// which keeps the factor's precision where a phone's renderer works in half
// precision. The tint's colour is clamped as a drawn colour is: the dusk's
// may pass white.
void tintAtEyeDistance(const float tint[4], const float distance) {
    float colour[4] = {1, 1, 1, 1};
    for (int channel = 0; channel < 3; ++channel) {
        colour[channel] = std::clamp(tint[channel], 0.0f, 1.0f);
    }
    const float cover = std::clamp(tint[3], 0.0f, 1.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, colour);
    constexpr float range = 1000;
    glFogf(GL_FOG_START, distance - cover * range);
    glFogf(GL_FOG_END, distance + (1 - cover) * range);
    glEnable(GL_FOG);
}

} // namespace

bool drawCanvasCopy(const CanvasPixels& area, const float* tint) {
    if (copyWidth == 0 || area.width != copyWidth || area.height != copyHeight) {
        return false;
    }
    if (tint) {
        // The quad below lies in the eye's own plane.
        tintAtEyeDistance(tint, 0);
    }

    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, copyTexture);

    // The viewport is the canvas area: a quad over all of clip space puts
    // each pixel's centre on its own texel's centre, which nearest sampling
    // takes whole. The copy's rows run up from the bottom, as clip space's.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, 0);
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, 0);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, 0);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (tint) {
        tintNothingMore();
    }
    return true;
}

bool takeCanvasCopy(const CanvasPixels& area, const CanvasPixels& part) {
    if (copyTexture == 0) {
        glGenTextures(1, &copyTexture);
    }
    glBindTexture(GL_TEXTURE_2D, copyTexture);

    if (area.width != copyWidth || area.height != copyHeight) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, area.x, area.y, area.width, area.height, 0);
        copyWidth = area.width;
        copyHeight = area.height;
        return true;
    }

    const int left = std::max(part.x, area.x);
    const int bottom = std::max(part.y, area.y);
    const int right = std::min(part.x + part.width, area.x + area.width);
    const int top = std::min(part.y + part.height, area.y + area.height);
    if (right > left && top > bottom) {
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, left - area.x, bottom - area.y, left, bottom,
                            right - left, top - bottom);
    }
    return true;
}

void tintWhatFollows(const float tint[4]) {
    // The canvas's plane lies where the camera's matrix puts its origin.
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    tintAtEyeDistance(tint, std::abs(modelView[14]));
}

void tintNothingMore() {
    glDisable(GL_FOG);
}

void forgetCanvasCopy() {
    copyWidth = 0;
    copyHeight = 0;
}
