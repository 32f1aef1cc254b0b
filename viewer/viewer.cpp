#include "viewer/viewer.h"

#include "scene/scene.h"
#include "viewer/camera.h"
#include "viewer/draw.h"
#include "viewer/mouse.h"
#include "viewer/overlays.h"
#include "viewer/view_actions.h"
#include "viewer/view_state.h"

#include <GL/glut.h>

static void useCamera(const Camera& camera) {
    centreX = camera.centreX;
    centreY = camera.centreY;
    eyeDistance = camera.eyeDistance;
    nearDistance = camera.nearDistance;
    farDistance = camera.farDistance;
    lineReach = camera.lineReach;
}

// The camera looks down -z from eyeDistance above the centre: the model-view matrix moves the
// scene by that much. The projection stack stays current for the navigation.
void onReshape(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    const float aspect = reshapeAspect(width, height);
    useCamera(firstViewCamera(viewFraming, aspect));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-centreX, -centreY, -eyeDistance);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(60.0, aspect, nearDistance, farDistance);
}

// The first view of the scene as it is now, for the window's size.
static void frameScene(int width, int height) {
    viewFraming = sceneFraming(sceneSegments, sceneLines, boxMin, boxMax);
    onReshape(width, height);
}

void openViewer(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1024, 700);
    glutInitWindowPosition(100, 50);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    frameScene(1024, 700);
    glutDisplayFunc(display);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutKeyboardFunc(onKey);
    glutSpecialFunc(onSpecialKey);
    glutReshapeFunc(onReshape);
}

void showScene() {
    resetOverlays();
    frameScene(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    glutPostRedisplay();
}

// GLUT's default action on closing the window ends the process, so the main loop never
// returns.
void runViewer(int argc, char** argv) {
    openViewer(&argc, argv);
    glutMainLoop();
}
