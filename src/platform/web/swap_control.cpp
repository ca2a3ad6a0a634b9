#include "platform/swap_control.h"

bool swapControlAvailable = false;

// WebGL's are the only modes there are.
void setDrawingModes() {}

// The browser shows a frame once a refresh by itself: there is no interval
// to set.
void detectSwapControl() {}
