#include "viewer/mouse.h"

#include "viewer/keys.h"
#include "viewer/navigation.h"
#include "viewer/view_actions.h"
#include "viewer/view_state.h"
#include "viewer/view_steps.h"

#include <GL/glut.h>

// The point on the near plane under window position (x, y), in the coordinates the scene is
// drawn in; false when the current matrices cannot be inverted.
static bool unprojectToNearPlane(int x, int y, Point& result) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return unprojectWindowPoint(x, double(viewport[3]) - y - 1, 0.0, result);
}

static void recordButton(int button, int state, int x, int y) {
    if (state == GLUT_DOWN) {
        lastMouseX = x;
        lastMouseY = y;
        // Should the matrices ever be singular, the previous grab point stays.
        unprojectToNearPlane(x, y, pressPoint);
        leftButtonDown = leftButtonDown || button == GLUT_LEFT_BUTTON;
        middleButtonDown = middleButtonDown || button == GLUT_MIDDLE_BUTTON;
        rightButtonDown = rightButtonDown || button == GLUT_RIGHT_BUTTON;
    } else {
        leftButtonDown = false;
        middleButtonDown = false;
        rightButtonDown = false;
    }
    glutPostRedisplay();
}

// A step of the wheel comes as a press and a release of its own button; it zooms once and
// neither starts nor ends a drag.
void onMouse(int button, int state, int x, int y) {
    if (!isWheelButton(button)) {
        recordButton(button, state, x, y);
    } else if (state == GLUT_DOWN) {
        applyViewAction(actionForWheel(button));
    }
}

// Moves the grabbed point back under the cursor; leaves the view as it is when the matrices
// cannot be inverted.
static void panTo(int x, int y) {
    Point now;
    if (unprojectToNearPlane(x, y, now)) {
        moveViewBetween(pressPoint, now);
    }
}

static int viewportWidth() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[2];
}

void onMotion(int x, int y) {
    const int dx = x - lastMouseX;
    const int dy = y - lastMouseY;
    if (dx == 0 && dy == 0) {
        return;
    }
    switch (dragMode(leftButtonDown, middleButtonDown, rightButtonDown)) {
    case DragMode::None:
        return;
    case DragMode::Pan:
        panTo(x, y);
        break;
    case DragMode::Rotate:
        rotateAboutPivot(rotationAngle(dx, dy, viewportWidth()));
        break;
    case DragMode::Zoom:
        zoomAboutPivot(zoomFactor(dy));
        break;
    }
    lastMouseX = x;
    lastMouseY = y;
    glutPostRedisplay();
}
