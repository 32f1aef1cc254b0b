#include "viewer/overlay_drawing.h"

#include "viewer/grid.h"
#include "viewer/help_lines.h"
#include "viewer/shape_drawing.h"
#include "viewer/shape_vertices.h"
#include "viewer/text.h"
#include "viewer/view_state.h"
#include "viewer/view_steps.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Colors the first picture does not use.
constexpr ColorCode kDarkPurple = 7;
constexpr ColorCode kWhite = 8;
constexpr ColorCode kBlack = 9;

constexpr GLushort kDashed = 0x00ff;
constexpr GLushort kDashDotted = 0x18ff;

Point scenePoint(double x, double y) {
    Point p;
    p.x = static_cast<float>(x);
    p.y = static_cast<float>(y);
    return p;
}

// The line as the scene draws lines: through its point nearest the origin, along a unit
// direction that points to the right (or up, for an upright line).
Line sceneLine(const LineEquation& l) {
    const double sign = (l.b < 0.0 || (l.b == 0.0 && l.a > 0.0)) ? 1.0 : -1.0;
    Line line;
    line.point = scenePoint(-l.a * l.c, -l.b * l.c);
    line.direction = scenePoint(-sign * l.b, sign * l.a);
    return line;
}

void drawStippledLine(const Line& line, GLushort pattern) {
    const LineEnds ends = lineEnds(line, lineReach);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, pattern);
    glBegin(GL_LINES);
    glVertex3f(ends.first.x, ends.first.y, 0.0f);
    glVertex3f(ends.second.x, ends.second.y, 0.0f);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void drawElementLine(const ElementLine& l, double size) {
    if (l.role == LineRole::CurveLine) {
        return;
    }
    setColor(l.role == LineRole::Directrix ? kDarkPurple : kBlack);
    const Line line = sceneLine(l.canonical);
    drawStippledLine(line, l.role == LineRole::Axis ? kDashDotted : kDashed);
    // Asymptotes are labelled out where the branches near them, other lines through the
    // origin a size out, the rest half a size along from the axis.
    const double along = l.role == LineRole::Asymptote ? 3 * size
                         : l.canonical.c == 0.0        ? size
                                                       : size / 2;
    drawText(static_cast<float>(line.point.x + along * line.direction.x),
             static_cast<float>(line.point.y + along * line.direction.y), 0.0f, l.label.c_str());
}

void drawElementPoint(const ElementPoint& p) {
    setColor(kDarkPurple);
    glPointSize(7.0f);
    glBegin(GL_POINTS);
    glVertex3d(p.canonical.x, p.canonical.y, 0.0);
    glEnd();
    drawText(static_cast<float>(p.canonical.x), static_cast<float>(p.canonical.y), 0.0f,
             p.label.c_str());
}

// The point of the plane z = 0 under the window position (x, y), y upwards; false when the
// current matrices cannot be inverted.
bool planeUnder(double x, double y, PlaneSpot& spot) {
    double near[3];
    double far[3];
    if (!unprojectWindowPoint(x, y, 0.0, near) || !unprojectWindowPoint(x, y, 1.0, far)) {
        return false;
    }
    spot = spotOnPlane(near, far);
    return std::isfinite(spot.x) && std::isfinite(spot.y);
}

// A number of the grid: %g drops the digits a step of 0.1 picks up in floating point.
void drawGridNumber(const GridLine& line) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", line.value);
    drawText(static_cast<float>(line.label.x), static_cast<float>(line.label.y), 0.0f, text);
}

} // namespace

void drawElements(const CurveElements& elements) {
    for (const ElementLine& l : elements.lines) {
        drawElementLine(l, elements.size);
    }
    for (const ElementPoint& p : elements.points) {
        drawElementPoint(p);
    }
}

void drawGrid() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double w = viewport[2];
    const double h = viewport[3];
    PlaneSpot corners[4];
    const double windowCorners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    for (int i = 0; i < 4; ++i) {
        if (!planeUnder(windowCorners[i][0], windowCorners[i][1], corners[i])) {
            return;
        }
    }
    const std::vector<GridLine> lines = gridLines(corners);
    setColor(kWhite);
    glBegin(GL_LINES);
    for (const GridLine& l : lines) {
        const Line line = sceneLine(l.vertical ? LineEquation{1.0, 0.0, -l.value}
                                               : LineEquation{0.0, 1.0, -l.value});
        const LineEnds ends = lineEnds(line, lineReach);
        glVertex3f(ends.first.x, ends.first.y, 0.0f);
        glVertex3f(ends.second.x, ends.second.y, 0.0f);
    }
    glEnd();
    setColor(kBlack);
    for (const GridLine& l : lines) {
        drawGridNumber(l);
    }
}

void drawHelp() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    int width = 0;
    for (const char* line : kHelpLines) {
        width = std::max(width, textWidth(line));
    }
    const int lineHeight = textLineHeight();
    const int lines = static_cast<int>(sizeof kHelpLines / sizeof kHelpLines[0]);
    const int top = viewport[3] - 8;
    const int bottom = top - lines * lineHeight - 8;

    // Window coordinates, y upwards, for the box and the text; the matrices and the current
    // stack, on which the mouse navigation goes on, are put back after.
    GLint currentStack = GL_PROJECTION;
    glGetIntegerv(GL_MATRIX_MODE, &currentStack);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[2], 0.0, viewport[3], -1.0, 1.0);
    setColor(kWhite);
    glRecti(8, bottom, 8 + width + 16, top);
    setColor(kBlack);
    for (int i = 0; i < lines; ++i) {
        drawText(12.0f, static_cast<float>(top - (i + 1) * lineHeight), 0.0f, kHelpLines[i]);
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(static_cast<GLenum>(currentStack));
}
