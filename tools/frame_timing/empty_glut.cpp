// The least a GLUT program can draw: an 800 by 600 window cleared and swapped
// as fast as it goes. What the game's frame rate is measured against.
#include <GL/freeglut.h>

static void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

static void idle() {
    glutPostRedisplay();
}

static void keyboard(unsigned char key, int, int) {
    if (key == 27) {
        glutLeaveMainLoop();
    }
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Empty");
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    glutKeyboardFunc(keyboard);
    glutMainLoop();
    return 0;
}
