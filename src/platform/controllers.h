#pragma once

// The game controller in use, read as one plain snapshot each frame. The
// desktop reads SDL2's game controllers, with SDL's mapping database; the
// browser reads the page's standard gamepads. A controller plugged in while
// the game runs is found by the next read; with two, the one pressed last
// is the one in use.
struct PadState {
    bool connected = false;
    // The left stick, -1 to 1 each way, y growing downwards, as read: the
    // dead zone is the game's.
    float stickX = 0;
    float stickY = 0;
    float rightTrigger = 0; // 0 to 1
    bool a = false;
    bool start = false;
    bool dpadUp = false;
    bool dpadDown = false;
    bool dpadLeft = false;
    bool dpadRight = false;
    // The controller in use was unplugged since the last read (the state
    // then describes another one, or none).
    bool unplugged = false;
};

// Starts listening for controllers; without any the game goes on as before.
// Needs nothing of the window.
void watchControllers();

// Never waits. Called once a frame, and by the paused game's slow timer.
PadState readController();

// A short rumble of the controller in use, where it can.
void rumbleController(int milliseconds);
