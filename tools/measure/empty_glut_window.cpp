// The least a GLUT program can do to show frames, in the same kind of
// window as the game, drawing as often as GLUT lets it: the floor under the
// game's start-up time and the ceiling over its frame rate.
#include <GL/freeglut.h>

static void clearAndSwap() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Empty GLUT window");
    glutDisplayFunc(clearAndSwap);
    glutIdleFunc(glutPostRedisplay);
    glutMainLoop();
    return 0;
}
