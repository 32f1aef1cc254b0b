#include "viewer/draw.h"

#include "scene/scene.h"
#include "viewer/overlays.h"
#include "viewer/shape_drawing.h"
#include "viewer/view_state.h"
#include "viewer/window_picture.h"

#include <GL/glut.h>

// No depth test: the drawing order alone decides what lies on top. The overlays the keys
// turn on lie under the scene (the grid) or over it.
static void drawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    drawUnderlays();
    for (const Circle& circle : sceneCircles) {
        drawCircle(circle);
    }
    for (const Line& line : sceneLines) {
        drawLine(line);
    }
    for (const Segment& segment : sceneSegments) {
        drawSegment(segment);
    }
    for (const Point& point : scenePoints) {
        drawPoint(point);
    }
    drawOverlays();
    glPopMatrix();
}

void display() {
    drawScene();
    glFlush();
    if (pictureRequested) {
        pictureRequested = false;
        saveWindowPicture();
    }
    glutSwapBuffers();
}
