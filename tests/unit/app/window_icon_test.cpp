#include "app/window_icon.h"

#include <gtest/gtest.h>

namespace {

// The desktop reads each icon pixel as one 0xAARRGGBB cardinal: a channel out
// of place recolours the icon or makes it see-through, which no check of the
// window's properties on a display would tell.
TEST(WindowIcon, PacksAPixelAlphaRedGreenBlueFromTheTopByteDown) {
    EXPECT_EQ(argbCardinal(0x12, 0x34, 0x56, 0xff), 0xff123456ul);
    EXPECT_EQ(argbCardinal(0xff, 0x00, 0x80, 0x7f), 0x7fff0080ul);
}

} // namespace
