#pragma once

#include <vector>

// The game's icon in the form a window carries it (_NET_WM_ICON): for each
// size, its width, its height, then its pixels row by row from the top left,
// each one cardinal 0xAARRGGBB. Xlib passes a 32-bit property as an array of
// longs, so each cardinal is an unsigned long, whatever its width.
std::vector<unsigned long> windowIconCardinals();

// One pixel as such a cardinal, from its bytes (alpha not premultiplied).
unsigned long argbCardinal(unsigned char red, unsigned char green, unsigned char blue,
                           unsigned char alpha);

// The icon as the build renders it from assets/icon/brumalo.svg: square
// pictures `size` pixels wide, four bytes a pixel (red, green, blue, alpha),
// row by row from the top left. The build writes these in a source of its own.
struct WindowIconPicture {
    int size;
    const unsigned char* rgba;
};

extern const WindowIconPicture windowIconPictures[];
extern const int windowIconPictureCount;
