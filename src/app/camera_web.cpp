#include "app/camera.h"

// The browser shows a frame once a refresh by itself: there is no interval
// to set.
void detectSwapControl() {}
