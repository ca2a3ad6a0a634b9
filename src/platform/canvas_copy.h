#pragma once

// A copy of the canvas area as drawn so far, kept where a frame's cost is
// its pixels (a browser's renderer in software): the live game draws its
// still layers back from it as one layer, instead of the several it holds,
// and afresh only where something among them moved. The desktop's renderer
// keeps up with every layer drawn afresh, and keeps no copy.
// Rectangles are window pixels counted as OpenGL counts them, rows up from
// the window's bottom; area is the canvas area's.

struct CanvasPixels {
    int x;
    int y;
    int width;
    int height;
};

// Draws the copy back over the area, unblended and pixel for pixel, where
// one of an area of this size is kept; false, drawing nothing, otherwise.
// Leaves the matrices as it found them, texturing on with a texture of its
// own bound, and blending off.
bool drawCanvasCopy(const CanvasPixels& area);

// Takes the part of the area into the copy: all of the area where the copy
// is of another size or none is kept. True where it did, leaving a texture
// of its own bound.
bool takeCanvasCopy(const CanvasPixels& area, const CanvasPixels& part);

// The next drawCanvasCopy draws nothing: what it held has changed wholly.
void forgetCanvasCopy();
