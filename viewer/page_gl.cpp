// Three fixed-function calls that the browser's emulation of OpenGL on WebGL lacks, in the
// terms of those it has.
#include <GL/gl.h>

// The vertex is stored as floats either way.
extern "C" void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    glVertex3f(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

// A rectangle is the polygon of its four corners, here two triangles.
extern "C" void glRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    glBegin(GL_QUADS);
    glVertex2i(x1, y1);
    glVertex2i(x2, y1);
    glVertex2i(x2, y2);
    glVertex2i(x1, y2);
    glEnd();
}

// WebGL draws no stippled lines: in the browser the dashed lines of the curve's elements are
// drawn whole (their labels still name them).
extern "C" void glLineStipple(GLint, GLushort) {}
