#pragma once

// A recording stand-in for OpenGL, GLU, GLUT, GLX and DevIL. Call-level tests
// link it in place of the real libraries: every entry point the game uses
// appends one readable line, e.g. "glTranslatef(400, 300, -50)", and keeps
// just enough state for the queries the game makes.

#include <set>
#include <string>
#include <vector>

struct FakeGl {
    std::vector<std::string> calls;

    // What the queries answer.
    int elapsedMs = 0;
    int modifiers = 0;
    const char* glxExtensions = "";
    bool hasDisplay = true;

    // What the fake keeps track of, as a driver would.
    bool blendEnabled = false;
    bool texturingEnabled = false;
    int boundTexture = 0;
    unsigned int nextList = 1;
    unsigned int nextTexture = 1;
    int swapInterval = 0;

    // Pictures that fail to decode: any path containing "missing", plus these.
    std::set<std::string> failingImages;

    // GLUT's registered callbacks, in registration order, by setter name.
    std::vector<std::string> registrations;
    void (*reshape)(int, int) = nullptr;
    void (*display)() = nullptr;
    void (*idle)() = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*passiveMotion)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    void (*entry)(int) = nullptr;
    void (*windowStatus)(int) = nullptr;
    // The timer asked for last, and its value.
    void (*timer)(int) = nullptr;
    int timerValue = 0;
};

FakeGl& fakeGl();

// Forgets everything recorded and puts every answer back to its default.
void resetFakeGl();

// Returns the calls recorded so far and starts a fresh record.
std::vector<std::string> takeCalls();
