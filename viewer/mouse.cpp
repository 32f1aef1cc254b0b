#include "viewer/mouse.h"

#include "viewer/navigation.h"
#include "viewer/view_state.h"

#include <GL/glut.h>

// The point on the near plane under window position (x, y), in the coordinates the scene is
// drawn in; false when the current matrices cannot be inverted.
static bool unprojectToNearPlane(int x, int y, Point& result) {
    GLint viewport[4];
    GLdouble modelView[16];
    GLdouble projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    GLdouble ox = 0.0;
    GLdouble oy = 0.0;
    GLdouble oz = 0.0;
    const GLdouble windowY = double(viewport[3]) - y - 1;
    if (gluUnProject(x, windowY, 0.0, modelView, projection, viewport, &ox, &oy, &oz) != GL_TRUE) {
        return false;
    }
    result.x = static_cast<float>(ox);
    result.y = static_cast<float>(oy);
    result.z = static_cast<float>(oz);
    result.color = kDefaultColor;
    return true;
}

void onMouse(int button, int state, int x, int y) {
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

// Moves the grabbed point back under the cursor; leaves the view as it is when the matrices
// cannot be inverted.
static void panTo(int x, int y) {
    Point now;
    if (!unprojectToNearPlane(x, y, now)) {
        return;
    }
    glTranslatef(static_cast<float>(double(now.x) - pressPoint.x),
                 static_cast<float>(double(now.y) - pressPoint.y),
                 static_cast<float>(double(now.z) - pressPoint.z));
}

static int viewportWidth() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[2];
}

static void rotateAboutPivot(float degrees) {
    glTranslatef(centreX, centreY, eyeDistance);
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
    glTranslatef(-centreX, -centreY, -eyeDistance);
}

static void zoomAboutPivot(float factor) {
    glTranslatef(centreX, centreY, eyeDistance);
    glScalef(factor, factor, factor);
    glTranslatef(-centreX, -centreY, -eyeDistance);
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
