#pragma once

// Readies the C library's heap for the pictures, before the window opens. On
// the desktop big buffers come from the heap and stay in it, and the first of
// its pages are taken from the kernel in one go (desktop/heap.cpp says why).
void prepareHeapForPictures();
