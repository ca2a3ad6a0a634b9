// Real OpenGL tests: they draw sprites into a real window (Mesa's software
// renderer under a virtual display) and read the pixels back, to see what a
// player would see.
#include "canvas.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    openTestWindow(argc, argv);
    const int result = RUN_ALL_TESTS();
    removeScratchFolder();
    return result;
}
