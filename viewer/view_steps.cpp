#include "viewer/view_steps.h"

#include "viewer/view_state.h"

#include <GL/glut.h>

namespace {

struct ViewMatrices {
    GLint viewport[4];
    GLdouble modelView[16];
    GLdouble projection[16];
};

// WebGL has no doubles: in the browser the matrix is read as floats and widened, which gives
// the same values, as the matrix stacks hold floats.
void readMatrix(GLenum matrix, GLdouble (&values)[16]) {
#ifdef __EMSCRIPTEN__
    GLfloat floats[16];
    glGetFloatv(matrix, floats);
    for (int i = 0; i < 16; ++i) {
        values[i] = floats[i];
    }
#else
    glGetDoublev(matrix, values);
#endif
}

ViewMatrices currentMatrices() {
    ViewMatrices matrices;
    glGetIntegerv(GL_VIEWPORT, matrices.viewport);
    readMatrix(GL_MODELVIEW_MATRIX, matrices.modelView);
    readMatrix(GL_PROJECTION_MATRIX, matrices.projection);
    return matrices;
}

} // namespace

bool unprojectWindowPoint(double x, double y, double depth, double (&result)[3]) {
    const ViewMatrices m = currentMatrices();
    return gluUnProject(x, y, depth, m.modelView, m.projection, m.viewport, &result[0], &result[1],
                        &result[2]) == GL_TRUE;
}

bool unprojectWindowPoint(double x, double y, double depth, Point& result) {
    double point[3];
    if (!unprojectWindowPoint(x, y, depth, point)) {
        return false;
    }
    result.x = static_cast<float>(point[0]);
    result.y = static_cast<float>(point[1]);
    result.z = static_cast<float>(point[2]);
    result.color = kDefaultColor;
    return true;
}

bool windowPointOf(double x, double y, double z, WindowPoint& result) {
    const ViewMatrices m = currentMatrices();
    return gluProject(x, y, z, m.modelView, m.projection, m.viewport, &result.x, &result.y,
                      &result.depth) == GL_TRUE;
}

void moveViewBetween(const Point& from, const Point& to) {
    glTranslatef(static_cast<float>(double(to.x) - from.x),
                 static_cast<float>(double(to.y) - from.y),
                 static_cast<float>(double(to.z) - from.z));
}

// Every step keeps the plane z = 0 facing the camera, so all its points share one window
// depth: that of the first view's centre.
void panPicture(const PixelStep& step) {
    WindowPoint shown;
    if (!windowPointOf(centreX, centreY, 0.0, shown)) {
        return;
    }
    Point centre;
    centre.x = centreX;
    centre.y = centreY;
    Point target;
    if (unprojectWindowPoint(shown.x + step.dx, shown.y - step.dy, shown.depth, target)) {
        moveViewBetween(centre, target);
    }
}

void rotateAboutPivot(float degrees) {
    glTranslatef(centreX, centreY, eyeDistance);
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
    glTranslatef(-centreX, -centreY, -eyeDistance);
}

void zoomAboutPivot(float factor) {
    glTranslatef(centreX, centreY, eyeDistance);
    glScalef(factor, factor, factor);
    glTranslatef(-centreX, -centreY, -eyeDistance);
}

void pinchPicture(const PinchStep& step) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const std::array<double, 16> pinch = pinchMatrix(step, viewport[2], viewport[3]);
    GLdouble projection[16];
    readMatrix(GL_PROJECTION_MATRIX, projection);
    GLfloat product[16];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += pinch[k * 4 + row] * projection[column * 4 + k];
            }
            product[column * 4 + row] = static_cast<GLfloat>(sum);
        }
    }
    glLoadMatrixf(product);
}
