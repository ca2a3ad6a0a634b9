#pragma once

// The keyboard's part of the actions (app/actions.h): every key the game
// knows, pressed or let go, on every screen. The frame hands over each
// key's first press and its release, never a repeat.
//
// Esc, Ctrl+Q (and the frame's Alt+F4) quit; M mutes; minus and plus change
// the volume; F11 and Alt+Enter switch to and from fullscreen; P and Pause
// pause. Space and Enter do what a click does. The arrow keys and WASD
// steer the glass, and with Shift held steer it finely; on the pause menu
// they move between its lines and change their values.
void keyboardKey(unsigned char key, bool down);
void specialKey(int key, bool down);

// The keyboard went to another window: whatever was held there is let go
// here, since its releases will never come.
void letGoOfKeys();
