#pragma once

#include "app/conic.h"

#include <string>
#include <vector>

// The elements a student asks for after the reduction: foci, vertices, centre, directrices,
// asymptotes, the axis, the lines of a degenerate curve, with the numbers that go with them.
// Each point and line is given in the canonical frame, where the curve is traced, and in the
// coordinates of the equation as typed.

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// The line a*x + b*y + c = 0, with (a, b) of length 1.
struct LineEquation {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// What a line is to the curve; the window draws each role in its own way, the curve's own
// lines not at all (they are the curve).
enum class LineRole { Directrix, Asymptote, Axis, CurveLine };

struct ElementPoint {
    const char* name;  // in words, for the console: "ziza", "teme", ...
    std::string label; // short, for the picture: "F1", "T", ...
    PlanePoint canonical;
    PlanePoint typed;
};

struct ElementLine {
    const char* name;
    std::string label;
    LineRole role;
    LineEquation canonical;
    LineEquation typed;
};

struct CurveElements {
    CurveKind kind = 0; // 0: nothing to show
    // Ellipse: a and b the semi-axes along X and Y, c the focal half-distance, e = c / max(a, b).
    // Hyperbola: a the real and b the imaginary semi-axis, realAlongY when its branches cross
    // the Y axis. Parabola: p of Y^2 = 2pX. Crossing lines: angle, the smaller one between
    // them, in degrees. Parallel lines: distance.
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double e = 0.0;
    bool realAlongY = false;
    double p = 0.0;
    double angle = 0.0;
    double distance = 0.0;
    // A length of the figure (its larger semi-axis, |p|, or 1 for lines), to place labels.
    double size = 1.0;
    std::vector<ElementPoint> points;
    std::vector<ElementLine> lines;
};

// The canonical frame's place in the typed plane: translation after rotation after reflection,
// the same transforms that carry the frame axes there. The linear part is orthogonal.
struct PlaneMap {
    double xx, xy, yx, yy; // the linear part, row by row
    double tx, ty;         // the image of the canonical origin
};

PlaneMap planeMap(Matrix reflection, Matrix rotation, Matrix translation);
PlanePoint mapPoint(const PlaneMap& map, PlanePoint p);
LineEquation mapLine(const PlaneMap& map, const LineEquation& l);

// The elements of the curve whose canonical record and kind the reduction gives, with its three
// transforms. A kind outside 1..7 gives none.
CurveElements curveElements(const Conic& canonical, CurveKind kind, Matrix reflection,
                            Matrix rotation, Matrix translation);

// The console text of the elements: the curve's name and numbers, then one line per point and
// line, canonical and typed. Empty when there are none.
std::string elementsText(const CurveElements& elements);
