#pragma once

// The GLUT callbacks, registered in this order by runGame.
void onReshape(int width, int height);
void onDisplay();
void onIdle();
void onMouse(int button, int buttonState, int x, int y);
void onMotion(int x, int y);
void onPassiveMotion(int x, int y);
void onKeyboard(unsigned char key, int x, int y);
void onKeyboardUp(unsigned char key, int x, int y);
void onSpecial(int key, int x, int y);
void onSpecialUp(int key, int x, int y);
void onEntry(int state);
void onWindowStatus(int status);

// The window lost the keyboard to another (Alt+Tab, a click elsewhere, a tab
// or window in front): the platform's watch reports it here.
void onFocusLost();

// Opens the window, shows the title screen and runs GLUT's loop; the game
// ends inside it through endGame().
int runGame(int argc, char** argv);
