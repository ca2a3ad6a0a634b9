#include "app/camera.h"
#include "fake_gl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using ::testing::Contains;
using ::testing::Not;

namespace {

std::vector<std::string> reshapeTo(const int width, const int height) {
    resetFakeGl();
    Camera view;
    view.perspective = 0;
    view.reshape(width, height);
    return takeCalls();
}

TEST(Letterbox, TheWholeCanvasShowsCentredInTheLargestFourByThreeArea) {
    EXPECT_THAT(reshapeTo(1000, 750), Contains("glViewport(0, 0, 1000, 750)"));
    EXPECT_THAT(reshapeTo(1278, 1022),
                Contains("glViewport(0, 32, 1278, 958)")); // bars above, below
    EXPECT_THAT(reshapeTo(1, 1), Contains("glViewport(0, 0, 1, 1)"));
    // Bars beside; the canvas scaled to the area, not to the window.
    const auto wider = reshapeTo(1600, 600);
    EXPECT_THAT(wider, Contains("glViewport(400, 0, 800, 600)"));
    EXPECT_THAT(wider, Contains("glScalef(1, 1, 1)"));
}

TEST(Letterbox, FourByThreeIsAskedForOnceAndNotAgainOnceRefusedUntilTheWindowIsResized) {
    // A tiling manager lets the shape through for a moment, then takes the
    // window back; asking again would go on for ever.
    resetFakeGl();
    Camera view;
    for (const int height : {1022, 958, 1022, 1022}) {
        view.reshape(1278, height);
    }
    auto calls = takeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "glutReshapeWindow(1278, 958)"), 1);

    // Restored, then maximised again: the manager may grant it this time.
    view.reshape(800, 600);
    view.reshape(1278, 1022);
    calls = takeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "glutReshapeWindow(1278, 958)"), 1);

    // A fullscreen window keeps the screen's shape.
    view.fullscreen = true;
    view.reshape(1280, 1024);
    EXPECT_THAT(takeCalls(), Not(Contains("glutReshapeWindow(1280, 960)")));
}

void expectPoint(const CanvasPoint point, const float x, const float y) {
    EXPECT_FLOAT_EQ(point.x, x);
    EXPECT_FLOAT_EQ(point.y, y);
}

TEST(PointerOnTheCanvas, MapsThroughTheShownAreaAndClampsOverTheBars) {
    // Wider, bars of 400 pixels beside: the area's corner and centre, then
    // over the left bar and beyond the right one, the canvas edges.
    expectPoint(canvasPointUnderPointer(400, 0, 1600, 600), -400, 300);
    expectPoint(canvasPointUnderPointer(800, 300, 1600, 600), 0, 0);
    expectPoint(canvasPointUnderPointer(10, 450, 1600, 600), -400, -150);
    expectPoint(canvasPointUnderPointer(1590, 450, 1600, 600), 400, -150);
    // Taller, 32 rows of bar above: over it, the canvas top; below the
    // window, its bottom.
    expectPoint(canvasPointUnderPointer(639, 32, 1278, 1022), 0, 300);
    expectPoint(canvasPointUnderPointer(639, 5, 1278, 1022), 0, 300);
    expectPoint(canvasPointUnderPointer(639, 1100, 1278, 1022), 0, -300);
    const CanvasPoint tiny = canvasPointUnderPointer(0, 0, 1, 1);
    EXPECT_TRUE(tiny.x >= -400 && tiny.x <= 400 && tiny.y >= -300 && tiny.y <= 300);
}

} // namespace
