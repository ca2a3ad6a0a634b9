#pragma once

// Maps the game's fixed 800 by 600 canvas (origin at the centre, y up) onto
// the window, and keeps the window at 4:3.
struct Camera {
    float eye[3] = {0, 0, 0}; // only z is used: the depth offset of the canvas
    int width = 800;
    int height = 600;
    double aspect = 0.0;
    double fieldOfView = 55.0;
    int perspective = 1; // the game switches to the orthographic kind at start-up

    void reshape(int width, int height);
};

extern Camera camera;
extern Camera* currentCamera;

void setCulling(bool on);
void setDepthTest(bool on, bool alphaTest);

// Turns on vertical sync where the driver offers it, so the game does not
// spin a whole core drawing thousands of frames a second.
void detectSwapControl();
extern bool swapControlAvailable;
