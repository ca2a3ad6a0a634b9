#pragma once

// What each platform asks of its OpenGL before the first frame: its drawing
// modes, and a swap that waits for the display.

// Smooth shading, filled fronts, the nicest perspective: the fixed-function
// modes the desktop's OpenGL is asked for. A browser's WebGL has no such
// modes (its shading is always smooth, its perspective always correct) and
// would warn on the console at each.
void setDrawingModes();

// Turns on vertical sync where the driver offers it, so the game does not
// spin a whole core drawing thousands of frames a second.
void detectSwapControl();
extern bool swapControlAvailable;
