#include "platform/heap.h"

// The browser's heap is the module's one block of linear memory, grown by
// the page as the game asks; the pictures' pixels are decoded into it and
// handed to WebGL, and there is no kernel paging to prepare.
void prepareHeapForPictures() {}
