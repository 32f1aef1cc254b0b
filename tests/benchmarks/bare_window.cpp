// The floor for the time to the first frame: a GLUT program that opens the same window as
// konika (title, 1024 x 700 at (100, 50), RGB, double-buffered with a depth buffer) and only
// clears it to the same background, drawing when GLUT asks, as konika does.
#include <GL/glut.h>

static void clearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1024, 700);
    glutInitWindowPosition(100, 50);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    glutDisplayFunc(clearFrame);
    glutMainLoop();
    return 0;
}
