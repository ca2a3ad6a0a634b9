#pragma once

// Readies the C library's heap for the pictures, before the window opens:
// big buffers come from the heap and stay in it, and the first of its pages
// are taken from the kernel in one go. See heap.cpp for why.
void prepareHeapForPictures();
