#include "app/frame_pacing.h"

// The browser draws a frame on each of its animation frames, at the
// display's own beat, so the game never needs to hold one back.
void setPaceFromDisplay() {}

void paceFrame() {}
