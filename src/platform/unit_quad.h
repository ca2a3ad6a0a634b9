#pragma once

// The unit square every sprite draws: centred on the origin, facing +z, one
// unit wide and high. How it reaches OpenGL differs by platform: the desktop
// compiles it once into a display list, the browser's OpenGL has no display
// lists and sends it afresh each time. Each platform has its own
// unit_quad.cpp; the corners below are shared.

struct UnitQuadCorner {
    float s, t; // texture coordinates
    float x, y;
};

// Counter-clockwise from the bottom left. t = 0 on the top edge: pictures
// load top row first and show upright.
inline constexpr UnitQuadCorner unitQuadCorners[4] = {
    {0, 1, -0.5f, -0.5f},
    {1, 1, 0.5f, -0.5f},
    {1, 0, 0.5f, 0.5f},
    {0, 0, -0.5f, 0.5f},
};

// Every sprite calls this as it is made, so the quad is ready by the time
// anything draws; a call before a GL context exists leaves it for a later one.
void prepareUnitQuad();

// Draws the quad in the current colour, texture and matrices.
void drawUnitQuad();

// The desktop's display list of the quad; 0 until a GL context exists to
// build it.
extern unsigned int unitQuadList;
