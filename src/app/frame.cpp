#include "app/frame.h"

#include "app/camera.h"
#include "app/frame_pacing.h"
#include "app/state.h"
#include "screens/start_state.h"

#include <GL/freeglut.h>

#include <cstdlib>

std::int32_t elapsedMs = 0;
float frameDelta = 0;
std::int32_t lastTickMs = 0;

static constexpr unsigned char escapeKey = 27;
static constexpr unsigned char ctrlQ = 17;

void tickClock() {
    const std::int32_t now = glutGet(GLUT_ELAPSED_TIME);
    const std::int32_t difference = now - lastTickMs;
    elapsedMs = now;
    lastTickMs = now;
    frameDelta = static_cast<float>(difference / 1000.0);
    if (static_cast<double>(frameDelta) > 0.03) {
        frameDelta = 0.03f;
    }
}

float nowSeconds() {
    return static_cast<float>(elapsedMs / 1000.0);
}

void onReshape(const int width, const int height) {
    if (currentCamera) {
        currentCamera->reshape(width, height);
    }
}

void onDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    if (currentState) {
        currentState->draw();
    }
    glPopMatrix();
    paceFrame();
    glutSwapBuffers();
}

void onIdle() {
    tickClock();
    if (currentState) {
        currentState->update();
    }
    glutPostRedisplay();
}

void onMouse(const int button, const int buttonState, const int x, const int y) {
    if (currentState) {
        currentState->mouse(button, buttonState, x, y);
    }
}

void onMotion(const int x, const int y) {
    if (currentState) {
        currentState->motion(x, y);
    }
}

void onPassiveMotion(const int x, const int y) {
    if (currentState) {
        currentState->passiveMotion(x, y);
    }
}

void onKeyboard(const unsigned char key, const int x, const int y) {
    if (key == escapeKey || key == ctrlQ) {
        std::exit(0);
    }
    if (currentState) {
        currentState->keyDown(key, x, y);
    }
}

void onKeyboardUp(const unsigned char key, const int x, const int y) {
    if (currentState) {
        currentState->keyUp(key, x, y);
    }
}

void onSpecial(const int key, const int x, const int y) {
    if (key == GLUT_KEY_F4 && (glutGetModifiers() & GLUT_ACTIVE_ALT)) {
        std::exit(0);
    }
    if (currentState) {
        currentState->specialDown(key, x, y);
    }
}

void onSpecialUp(const int key, const int x, const int y) {
    if (currentState) {
        currentState->specialUp(key, x, y);
    }
}

int runGame(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Brumalo");

    camera.eye[2] = -50.0f;
    camera.perspective = 0;
    currentCamera = &camera;

    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(onPassiveMotion);
    glutKeyboardFunc(onKeyboard);
    glutKeyboardUpFunc(onKeyboardUp);
    glutSpecialFunc(onSpecial);
    glutSpecialUpFunc(onSpecialUp);

    // The title screen loads its picture and builds the shared quad, both of
    // which need the window's GL context.
    switchState(&startState);

    // Black, for the bars beside the canvas in a window that is not 4:3; the
    // canvas itself is always painted over whole.
    glClearColor(0, 0, 0, 1.0f);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT, GL_FILL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    detectSwapControl();
    setCulling(false);
    setDepthTest(false, false);
    glEnable(GL_NORMALIZE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glutMainLoop();
    return 0;
}
