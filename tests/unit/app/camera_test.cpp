#include "app/camera.h"
#include "fake_gl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

Camera orthographicCamera() {
    Camera result;
    result.eye[2] = -50.0f;
    result.perspective = 0;
    return result;
}

// What reshape asks of GLUT and OpenGL for the orthographic canvas, given the
// width it keeps, the 4:3 height it pins, and the texts of the centre
// translation and the scale.
std::vector<std::string> orthographicReshape(const int width, const int height,
                                             const std::string& centre, const std::string& scale) {
    const std::string size = std::to_string(width) + ", " + std::to_string(height);
    return {"glViewport(0, 0, " + size + ")",
            "glMatrixMode(GL_PROJECTION)",
            "glLoadIdentity()",
            "glOrtho(0, " + std::to_string(width) + ", 0, " + std::to_string(height) + ", 0, 100)",
            "glMatrixMode(GL_MODELVIEW)",
            "glLoadIdentity()",
            "glTranslatef(" + centre + ", -50)",
            "glTranslatef(0.375, 0.375, 0)",
            "glScalef(" + scale + ", 1)"};
}

TEST(CameraReshape, KeepsTheWidthPinsAFourByThreeHeightAndScalesTheCanvasToIt) {
    struct Case {
        int askedWidth;
        int askedHeight;
        int height;
        const char* centre;
        const char* scale;
    };
    const Case cases[] = {
        {800, 600, 600, "400, 300", "1, 1"},       // one canvas unit to one pixel
        {801, 600, 600, "400, 300", "1.00125, 1"}, // the centre truncates to whole pixels
        {1000, 750, 750, "500, 375", "1.25, 1.25"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.askedWidth);
        resetFakeGl();
        Camera canvas = orthographicCamera();
        canvas.reshape(each.askedWidth, each.askedHeight);
        EXPECT_EQ(takeCalls(),
                  orthographicReshape(each.askedWidth, each.height, each.centre, each.scale));
        EXPECT_EQ(canvas.width, each.askedWidth);
        EXPECT_EQ(canvas.height, each.height);
        EXPECT_DOUBLE_EQ(canvas.aspect, static_cast<double>(each.askedWidth) / each.height);
    }
}

TEST(CameraReshape, AnEmptyWindowChangesNothing) {
    resetFakeGl();
    Camera canvas = orthographicCamera();
    canvas.reshape(1000, 750);
    takeCalls();
    canvas.reshape(640, 0);
    canvas.reshape(0, 480);
    canvas.reshape(-5, 480);
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(canvas.width, 1000);
    EXPECT_EQ(canvas.height, 750);
}

TEST(CameraReshape, ThePerspectiveKindUsesTheFieldOfViewAndNoHalfPixelShift) {
    resetFakeGl();
    Camera canvas;
    canvas.reshape(800, 600);
    EXPECT_THAT(takeCalls(),
                ElementsAre("glViewport(0, 0, 800, 600)", "glMatrixMode(GL_PROJECTION)",
                            "glLoadIdentity()", "gluPerspective(55, 1.33333, 0.1, 1000)",
                            "glMatrixMode(GL_MODELVIEW)", "glLoadIdentity()",
                            "glTranslatef(400, 300, 0)", "glScalef(1, 1, 1)"));
}

} // namespace
