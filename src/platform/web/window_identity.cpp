#include "platform/window_identity.h"

// A page has no window of its own to name: the browser's tab shows the
// page's title and icon.
void identifyWindow() {}
