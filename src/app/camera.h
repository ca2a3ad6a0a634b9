#pragma once

// Where the canvas shows in a window: the largest 4:3 rectangle that fits,
// centred, in window pixels counted from the top-left corner as the pointer
// is. A window of another shape keeps bars on the two sides left over.
struct CanvasArea {
    int left;
    int top;
    int width;
    int height;
};
CanvasArea canvasAreaInWindow(int windowWidth, int windowHeight);

// The canvas point under a window pixel, through the same area; a pointer
// over a bar (or outside the window) gives the canvas edge beyond it.
struct CanvasPoint {
    float x;
    float y;
};
CanvasPoint canvasPointUnderPointer(int x, int y, int windowWidth, int windowHeight);

// Maps the game's fixed 800 by 600 canvas (origin at the centre, y up) onto
// the window, and asks for the window to be kept at 4:3.
struct Camera {
    float eye[3] = {0, 0, 0}; // only z is used: the depth offset of the canvas
    int width = 800;
    int height = 600; // the 4:3 height asked for
    double aspect = 0.0;
    double fieldOfView = 55.0;
    int perspective = 1; // the game switches to the orthographic kind at start-up
    // The height the window really has: a window manager may refuse 4:3.
    int windowHeight = 600;
    // The window size at which 4:3 was last asked for, until the request is
    // granted or the window changes size.
    int askedFromWidth = 0;
    int askedFromHeight = 0;
    // A fullscreen window takes the screen's shape, and is never asked to 4:3.
    bool fullscreen = false;

    void reshape(int width, int height);
};

extern Camera camera;
extern Camera* currentCamera;

// Limits drawing to the canvas rows from bottom to top (canvas units) until
// drawAnywhere; for layers that would change no pixel outside them.
void drawOnlyBetweenCanvasRows(float bottom, float top);
void drawAnywhere();

void setCulling(bool on);
void setDepthTest(bool on, bool alphaTest);
