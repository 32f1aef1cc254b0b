#include "viewer/shape_drawing.h"

#include "viewer/palette.h"
#include "viewer/shape_vertices.h"
#include "viewer/view_state.h"

#include <GL/glut.h>

void setColor(ColorCode code) {
    if (const std::optional<Rgb> rgb = paletteColor(code)) {
        glColor3f(rgb->red, rgb->green, rgb->blue);
    }
}

static void vertex(const Point& p) {
    glVertex3f(p.x, p.y, p.z);
}

void drawLine(const Line& line) {
    const LineEnds ends = lineEnds(line, lineReach);
    setColor(line.color);
    glBegin(GL_LINES);
    vertex(ends.first);
    vertex(ends.second);
    glEnd();
}

void drawCircle(const Circle& circle) {
    setColor(circle.color);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < kCircleVertices; ++i) {
        vertex(circleVertex(circle, i));
    }
    glEnd();
}

void drawSegment(const Segment& segment) {
    setColor(segment.color);
    glBegin(GL_LINES);
    vertex(segment.a);
    vertex(segment.b);
    glEnd();
}

void drawPoint(const Point& point) {
    setColor(point.color);
    glPointSize(4.0f);
    glBegin(GL_POINTS);
    vertex(point);
    glEnd();
}
