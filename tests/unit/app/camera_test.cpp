#include "app/camera.h"
#include "fake_gl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

Camera orthographicCamera() {
    Camera result;
    result.eye[2] = -50.0f;
    result.perspective = 0;
    return result;
}

TEST(CameraReshape, At800By600MapsOneCanvasUnitToOnePixelAroundTheCentre) {
    resetFakeGl();
    Camera canvas = orthographicCamera();
    canvas.reshape(800, 600);
    EXPECT_THAT(takeCalls(),
                ElementsAre("glutReshapeWindow(800, 600)", "glViewport(0, 0, 800, 600)",
                            "glMatrixMode(GL_PROJECTION)", "glLoadIdentity()",
                            "glOrtho(0, 800, 0, 600, 0, 100)", "glMatrixMode(GL_MODELVIEW)",
                            "glLoadIdentity()", "glTranslatef(400, 300, -50)",
                            "glTranslatef(0.375, 0.375, 0)", "glScalef(1, 1, 1)"));
    EXPECT_EQ(canvas.width, 800);
    EXPECT_EQ(canvas.height, 600);
    EXPECT_DOUBLE_EQ(canvas.aspect, 800.0 / 600.0);
}

TEST(CameraReshape, AnOddWidthTruncatesTheCentreAndPinsTheHeight) {
    resetFakeGl();
    Camera canvas = orthographicCamera();
    canvas.reshape(801, 333);
    EXPECT_THAT(takeCalls(),
                ElementsAre("glutReshapeWindow(801, 600)", "glViewport(0, 0, 801, 600)",
                            "glMatrixMode(GL_PROJECTION)", "glLoadIdentity()",
                            "glOrtho(0, 801, 0, 600, 0, 100)", "glMatrixMode(GL_MODELVIEW)",
                            "glLoadIdentity()", "glTranslatef(400, 300, -50)",
                            "glTranslatef(0.375, 0.375, 0)", "glScalef(1.00125, 1, 1)"));
    EXPECT_EQ(canvas.height, 600);
}

TEST(CameraReshape, AWideWindowBecomesFourByThreeAndScalesTheCanvas) {
    resetFakeGl();
    Camera canvas = orthographicCamera();
    canvas.reshape(1000, 400);
    EXPECT_THAT(takeCalls(),
                ElementsAre("glutReshapeWindow(1000, 750)", "glViewport(0, 0, 1000, 750)",
                            "glMatrixMode(GL_PROJECTION)", "glLoadIdentity()",
                            "glOrtho(0, 1000, 0, 750, 0, 100)", "glMatrixMode(GL_MODELVIEW)",
                            "glLoadIdentity()", "glTranslatef(500, 375, -50)",
                            "glTranslatef(0.375, 0.375, 0)", "glScalef(1.25, 1.25, 1)"));
    EXPECT_EQ(canvas.width, 1000);
    EXPECT_EQ(canvas.height, 750);
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
                ElementsAre("glutReshapeWindow(800, 600)", "glViewport(0, 0, 800, 600)",
                            "glMatrixMode(GL_PROJECTION)", "glLoadIdentity()",
                            "gluPerspective(55, 1.33333, 0.1, 1000)", "glMatrixMode(GL_MODELVIEW)",
                            "glLoadIdentity()", "glTranslatef(400, 300, 0)", "glScalef(1, 1, 1)"));
}

TEST(GlSwitches, CullingAndDepthTestTurnOnWithTheirSettingsAndOffWithOneCall) {
    resetFakeGl();
    setCulling(true);
    setCulling(false);
    EXPECT_THAT(takeCalls(), ElementsAre("glEnable(GL_CULL_FACE)", "glFrontFace(GL_CCW)",
                                         "glCullFace(GL_BACK)", "glDisable(GL_CULL_FACE)"));

    setDepthTest(true, true);
    EXPECT_THAT(takeCalls(),
                ElementsAre("glEnable(GL_DEPTH_TEST)", "glClearDepth(1)", "glDepthFunc(GL_LEQUAL)",
                            "glEnable(GL_ALPHA_TEST)", "glAlphaFunc(GL_GREATER, 0.001)"));
    setDepthTest(true, false);
    EXPECT_THAT(takeCalls(), ElementsAre("glEnable(GL_DEPTH_TEST)", "glClearDepth(1)",
                                         "glDepthFunc(GL_LEQUAL)"));
    // Turning the depth test off leaves the alpha test alone, whatever is asked.
    setDepthTest(false, true);
    EXPECT_THAT(takeCalls(), ElementsAre("glDisable(GL_DEPTH_TEST)"));
}

} // namespace
