#include "app/camera.h"
#include "app/frame.h"
#include "console.h"
#include "fresh_process.h"
#include "platform/swap_control.h"
#include "screens/start_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Runs the start-up as a freshly launched program would; returns what it
// printed.
std::string startUp() {
    startFreshProcess();
    char program[] = "brumalo";
    char* argv[] = {program, nullptr};
    ConsoleCapture console;
    runGame(1, argv);
    return console.take();
}

TEST(StartUp, OpensTheWindowShowsTheTitleThenSetsTheFixedStateAndEntersTheLoop) {
    const std::vector<std::string> expected = {
        "glutInit(1)",
        "glutInitDisplayMode(18)",
        "glutInitWindowSize(800, 600)",
        "glutCreateWindow(Brumalo)",
        "glutReshapeFunc",
        "glutDisplayFunc",
        "glutIdleFunc",
        "glutMouseFunc",
        "glutMotionFunc",
        "glutPassiveMotionFunc",
        "glutKeyboardFunc",
        "glutKeyboardUpFunc",
        "glutSpecialFunc",
        "glutSpecialUpFunc",
        "glutEntryFunc",
        "glutWindowStatusFunc",
        // The title screen's enter: the shared quad, then the splash picture.
        "glGenLists(1)",
        "glNewList(1, GL_COMPILE)",
        "glBegin(GL_QUADS)",
        "glNormal3f(0, 0, 1)",
        "glTexCoord2f(0, 1)",
        "glVertex3f(-0.5, -0.5, 0)",
        "glTexCoord2f(1, 1)",
        "glVertex3f(0.5, -0.5, 0)",
        "glTexCoord2f(1, 0)",
        "glVertex3f(0.5, 0.5, 0)",
        "glTexCoord2f(0, 0)",
        "glVertex3f(-0.5, 0.5, 0)",
        "glEnd()",
        "glEndList()",
        "ilInit()",
        "ilutRenderer(ILUT_OPENGL)",
        "ilEnable(IL_ORIGIN_SET)",
        "ilOriginFunc(IL_ORIGIN_LOWER_LEFT)",
        "ilGenImages(1)",
        "ilBindImage(100)",
        "ilLoadImage(./img/splash.jpg)",
        "iluFlipImage()",
        "glPixelStorei(GL_UNPACK_ALIGNMENT, 1)",
        "glGenTextures(1)",
        "glBindTexture(GL_TEXTURE_2D, 1)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT)",
        "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT)",
        "ilutGLTexImage(0)",
        "ilDeleteImages(1, 100)",
        // The fixed state for the whole run.
        "glClearColor(0, 0, 0, 1)",
        "glShadeModel(GL_SMOOTH)",
        "glPolygonMode(GL_FRONT, GL_FILL)",
        "glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST)",
        "glDisable(GL_CULL_FACE)",
        "glDisable(GL_DEPTH_TEST)",
        "glEnable(GL_NORMALIZE)",
        "glClear(GL_COLOR_BUFFER_BIT|GL_DEPTH_BUFFER_BIT)",
        "glutMainLoop()",
    };
    EXPECT_EQ(startUp(), "Loaded texture ./img/splash.jpg\n");
    EXPECT_THAT(takeCalls(), ElementsAreArray(expected));
}

TEST(StartUp, LeavesTheTitleScreenCurrentAndTheCameraOrthographicAtDepthMinus50) {
    startUp();
    EXPECT_EQ(currentState, &startState);
    EXPECT_EQ(currentCamera, &camera);
    EXPECT_EQ(camera.perspective, 0);
    EXPECT_FLOAT_EQ(camera.eye[2], -50.0f);
    EXPECT_EQ(startState.instructionsShown, 0);
}

TEST(SwapControl, SetsAnIntervalOfOneThroughTheFirstExtensionOnOffer) {
    struct Case {
        const char* extensions;
        const char* expectedCall;
    };
    const Case cases[] = {
        {"GLX_ARB_create_context GLX_EXT_swap_control GLX_MESA_swap_control",
         "glXSwapIntervalEXT(1)"},
        {"GLX_MESA_swap_control GLX_SGI_swap_control", "glXSwapIntervalMESA(1)"},
        {"GLX_SGI_swap_control", "glXSwapIntervalSGI(1)"},
    };
    for (const Case& each : cases) {
        startFreshProcess();
        fakeGl().glxExtensions = each.extensions;
        detectSwapControl();
        EXPECT_THAT(takeCalls(), ElementsAre(each.expectedCall)) << each.extensions;
        EXPECT_TRUE(swapControlAvailable);
    }
}

TEST(SwapControl, ChangesNothingWhereNoExtensionOrNoDisplayIsThere) {
    startFreshProcess();
    // A longer name that merely contains a known one does not count.
    fakeGl().glxExtensions = "GLX_EXT_swap_control_tear_x GLX_ARB_multisample";
    detectSwapControl();
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_FALSE(swapControlAvailable);

    fakeGl().hasDisplay = false;
    fakeGl().glxExtensions = "GLX_EXT_swap_control";
    detectSwapControl();
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(fakeGl().swapInterval, 0);
}

} // namespace
