#include "app/camera.h"
#include "fake_gl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::Contains;

namespace {

// What the camera shows in a window of this size, as "viewport x, y, w, h".
std::string viewportFor(const int width, const int height) {
    resetFakeGl();
    Camera view;
    view.eye[2] = -50.0f;
    view.perspective = 0;
    view.reshape(width, height);
    for (const std::string& call : takeCalls()) {
        if (call.rfind("glViewport", 0) == 0) {
            return call;
        }
    }
    return "no viewport";
}

TEST(Letterbox, TheWholeCanvasShowsCentredInTheLargestFourByThreeArea) {
    // A window granted the 4:3 it asked for is filled.
    EXPECT_EQ(viewportFor(1000, 750), "glViewport(0, 0, 1000, 750)");
    // Wider: bars left and right. Taller (a tiling manager's 1278 by 1022):
    // bars above and below, the viewport counted from the bottom.
    EXPECT_EQ(viewportFor(1600, 600), "glViewport(400, 0, 800, 600)");
    EXPECT_EQ(viewportFor(1278, 1022), "glViewport(0, 32, 1278, 958)");
    // Never narrower than a pixel.
    EXPECT_EQ(viewportFor(1, 1), "glViewport(0, 0, 1, 1)");
}

TEST(Letterbox, TheCanvasIsScaledToTheAreaNotToTheWindow) {
    resetFakeGl();
    Camera view;
    view.eye[2] = -50.0f;
    view.perspective = 0;
    view.reshape(1600, 600);
    const auto calls = takeCalls();
    EXPECT_THAT(calls, Contains("glutReshapeWindow(1600, 1200)")); // 4:3 is still asked for
    EXPECT_THAT(calls, Contains("glOrtho(0, 800, 0, 600, 0, 100)"));
    EXPECT_THAT(calls, Contains("glTranslatef(400, 300, -50)"));
    EXPECT_THAT(calls, Contains("glScalef(1, 1, 1)"));
}

TEST(Letterbox, FourByThreeIsAskedForOnceAndNotAgainOnceRefused) {
    resetFakeGl();
    Camera view;
    view.reshape(1278, 1022);
    // A tiling manager lets the shape through for a moment, then takes the
    // window back; asking again would go on for ever.
    view.reshape(1278, 958);
    view.reshape(1278, 1022);
    view.reshape(1278, 1022);
    int asks = 0;
    for (const std::string& call : takeCalls()) {
        asks += call == "glutReshapeWindow(1278, 958)";
    }
    EXPECT_EQ(asks, 1);
}

void expectPoint(const CanvasPoint point, const float x, const float y) {
    EXPECT_FLOAT_EQ(point.x, x);
    EXPECT_FLOAT_EQ(point.y, y);
}

TEST(PointerOnTheCanvas, MapsThroughTheShownAreaAndClampsOverTheBars) {
    // 800 by 600: one pixel to one unit, the top-left pixel at (-400, 300).
    expectPoint(canvasPointUnderPointer(0, 0, 800, 600), -400, 300);
    expectPoint(canvasPointUnderPointer(799, 599, 800, 600), 399, -299);

    // Wider, bars of 400 pixels: the area's corner and centre.
    expectPoint(canvasPointUnderPointer(400, 0, 1600, 600), -400, 300);
    expectPoint(canvasPointUnderPointer(800, 300, 1600, 600), 0, 0);
    // Over the left bar, and beyond the right one: the canvas edge.
    expectPoint(canvasPointUnderPointer(10, 450, 1600, 600), -400, -150);
    expectPoint(canvasPointUnderPointer(1590, 450, 1600, 600), 400, -150);

    // Taller, 32 rows of bar above: the area's top row is the canvas top,
    // anything above it clamps there, and below the window the bottom.
    expectPoint(canvasPointUnderPointer(639, 32, 1278, 1022), 0, 300);
    expectPoint(canvasPointUnderPointer(639, 5, 1278, 1022), 0, 300);
    expectPoint(canvasPointUnderPointer(639, 1100, 1278, 1022), 0, -300);

    // A one-pixel window still lands on the canvas.
    const CanvasPoint tiny = canvasPointUnderPointer(0, 0, 1, 1);
    EXPECT_TRUE(tiny.x >= -400 && tiny.x <= 400 && tiny.y >= -300 && tiny.y <= 300);
}

} // namespace
