#pragma once

#include "platform/canvas_copy.h"

// A rectangle of the canvas, in canvas units (origin at the centre, y up).
struct CanvasBox {
    float left;
    float bottom;
    float right;
    float top;
};

// Beyond the canvas's edges on every side: a box reaching it loses no pixel
// to rounding at any window size.
inline constexpr float pastCanvasEdge = 500;
inline constexpr CanvasBox wholeCanvas{-pastCanvasEdge, -pastCanvasEdge, pastCanvasEdge,
                                       pastCanvasEdge};

// What two boxes share; empty (no wider or higher than nothing) where they
// do not meet.
CanvasBox overlap(const CanvasBox& a, const CanvasBox& b);
bool isEmpty(const CanvasBox& box);
// The least box that holds both.
CanvasBox spanning(const CanvasBox& a, const CanvasBox& b);

// The window pixels of a canvas box, counted as OpenGL counts them (rows up
// from the window's bottom). Each edge falls on the pixel boundary nearest
// it, so boxes that share an edge share its boundary: a layer drawn box by
// box over a row of boxes touches each pixel once, as the whole layer would,
// and the pixels of what two boxes share are those both hold.
CanvasPixels windowPixelsOf(const CanvasBox& box);

// The window pixels the canvas is shown in.
CanvasPixels canvasAreaPixels();

// Limits drawing to the window pixels of a canvas box until drawAnywhere
// (app/camera.h).
void drawOnlyInCanvasBox(const CanvasBox& box);
