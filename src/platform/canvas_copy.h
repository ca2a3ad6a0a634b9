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
// With a tint (red, green, blue and how much of it covers what is under it;
// none where null) the copy comes back as the tint laid over it would leave
// it. Leaves the matrices as it found them, texturing on with a texture of
// its own bound, and blending off.
bool drawCanvasCopy(const CanvasPixels& area, const float* tint);

// A tint over the whole canvas would be a frame's second full layer beside
// the copy. Where the copy came back, what is drawn between these two calls
// is tinted as it is drawn instead, exactly as the tint laid over it
// afterwards would leave it: for a layer drawn unblended or blended over
// what is under it (already tinted), in the canvas's own plane.
void tintWhatFollows(const float tint[4]);
void tintNothingMore();

// Takes the part of the area into the copy: all of the area where the copy
// is of another size or none is kept. True where it did, leaving a texture
// of its own bound.
bool takeCanvasCopy(const CanvasPixels& area, const CanvasPixels& part);

// The next drawCanvasCopy draws nothing: what it held has changed wholly.
void forgetCanvasCopy();
