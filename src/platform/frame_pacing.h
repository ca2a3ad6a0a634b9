#pragma once

// How each platform keeps the frames on the display's beat; the judgement of
// when a frame is quick lives in app/frame_pacer.h, which both share.

// The refresh rate of the monitor that shows the window, where the display
// reports one, 60 Hz otherwise; needs the window's GL context.
void setPaceFromDisplay();

// Called by the display callback right before each swap; reads the
// display's rate once the first frame is on the screen.
void paceFrame();

// Asked by the idle callback before it updates the game for a new frame:
// true when the last frame asked for has been drawn. The desktop's GLUT
// draws each asked-for frame before it calls idle again, so there it always
// is; the browser's calls idle on a 4 ms timer while it draws on the
// display's beat, and the game is updated once a frame drawn, as on the
// desktop, not four times for nothing.
bool nextFrameDue();
