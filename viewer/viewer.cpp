#include "viewer/viewer.h"

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/draw.h"
#include "viewer/mouse.h"
#include "viewer/view_state.h"

#include <GL/glut.h>

void onReshape(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(60.0, reshapeAspect(width, height), nearDistance, farDistance);
}

static void placeCamera() {
    const Camera camera = cameraFromBox(framedBox(sceneSegments, sceneLines, boxMin, boxMax));
    centreX = camera.centreX;
    centreY = camera.centreY;
    eyeDistance = camera.eyeDistance;
    nearDistance = camera.nearDistance;
    farDistance = camera.farDistance;
    lineReach = camera.lineReach;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 1.0, nearDistance, farDistance);
    gluLookAt(centreX, centreY, eyeDistance, centreX, centreY, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-centreX, -centreY, -eyeDistance);
}

void openViewer(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1024, 700);
    glutInitWindowPosition(100, 50);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    placeCamera();
    glutDisplayFunc(display);
    glutIdleFunc(display);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutReshapeFunc(onReshape);
}

// GLUT's default action on closing the window ends the process, so the main loop never
// returns.
void runViewer(int argc, char** argv) {
    openViewer(&argc, argv);
    glutMainLoop();
}
