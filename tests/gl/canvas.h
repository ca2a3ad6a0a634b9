#pragma once

// Helpers for drawing into the real test window and reading it back. The
// window is 800 by 600 with the game's own canvas set up, so one canvas unit
// is one pixel and the canvas origin is the window centre.

#include <gtest/gtest.h>

#include <string>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Opens the window and sets the canvas and fixed GL state as the game's
// start-up does. Call once, before any test draws.
void openTestWindow(int& argc, char** argv);

// Starts a fresh picture: clears to the game's grey and puts texturing and
// blending back where the render cache starts, so each test begins from the
// same state the game's first frame does.
void startFrame();

// The colour drawn at a canvas point (y up, origin at the centre).
Rgb canvasPixel(int x, int y);

// Colours match within a small tolerance: JPEG and texture filtering do not
// give back exact bytes.
::testing::AssertionResult looksLike(const Rgb& seen, const Rgb& wanted);

// A folder of scratch files for this run, removed when the tests end.
const std::string& scratchFolder();
void removeScratchFolder();

// Runs an ImageMagick convert command line (without the program name) and
// writes its result to scratchFolder()/name. Returns the full path, kept
// alive for the whole run because the texture cache keys on its address.
const char* makePicture(const std::string& name, const std::string& convertArguments);

// Writes the given bytes to scratchFolder()/name; returns a path that lives
// for the whole run.
const char* makeFile(const std::string& name, const std::string& bytes);

// A path for scratchFolder()/name that nothing creates; lives for the whole run.
const char* missingFile(const std::string& name);

inline const Rgb grey{128, 128, 128};
inline const Rgb red{255, 0, 0};
inline const Rgb green{0, 255, 0};
inline const Rgb blue{0, 0, 255};
inline const Rgb yellow{255, 255, 0};
