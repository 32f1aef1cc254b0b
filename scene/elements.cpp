#include "scene/elements.h"

#include "geometry/numbers.h"
#include "scene/curve.h"

#include <algorithm>
#include <cmath>

namespace {

// X = x
LineEquation verticalLine(double x) {
    return {1.0, 0.0, -x};
}

// Y = y
LineEquation horizontalLine(double y) {
    return {0.0, 1.0, -y};
}

// Y = slope * X
LineEquation lineThroughOrigin(double slope) {
    const double length = std::hypot(slope, 1.0);
    return {slope / length, -1.0 / length, 0.0};
}

// Fills the points and lines, each mapped into the typed plane as it is added.
class Collector {
  public:
    Collector(CurveElements& elements, const PlaneMap& map) : elements_(elements), map_(map) {}

    void point(const char* name, const char* label, double x, double y) {
        const PlanePoint p{x, y};
        elements_.points.push_back({name, label, p, mapPoint(map_, p)});
    }

    void line(const char* name, const char* label, LineRole role, const LineEquation& l) {
        elements_.lines.push_back({name, label, role, l, mapLine(map_, l)});
    }

  private:
    CurveElements& elements_;
    const PlaneMap& map_;
};

// Two of the same kind on the X axis (alongY false) or the Y axis, at +-distance.
void pairOnAxis(Collector& out, const char* name, const char* label1, const char* label2,
                double distance, bool alongY) {
    out.point(name, label1, alongY ? 0.0 : distance, alongY ? distance : 0.0);
    out.point(name, label2, alongY ? 0.0 : -distance, alongY ? -distance : 0.0);
}

void directrices(Collector& out, double distance, bool alongY) {
    const LineEquation first = alongY ? horizontalLine(distance) : verticalLine(distance);
    const LineEquation second = alongY ? horizontalLine(-distance) : verticalLine(-distance);
    out.line("direktrisa", "d1", LineRole::Directrix, first);
    out.line("direktrisa", "d2", LineRole::Directrix, second);
}

// a X^2 + b Y^2 form with the semi-axes the tracing uses; the foci lie on the longer axis,
// which is Y when the reduction ends with b > a (an ellipse typed with negative coefficients).
void ellipseElements(const Conic& k, CurveElements& e, Collector& out) {
    const SemiAxes axes = semiAxes(k);
    e.a = axes.a;
    e.b = axes.b;
    const bool alongY = e.b > e.a;
    const double major = std::max(e.a, e.b);
    const double minor = std::min(e.a, e.b);
    e.c = std::sqrt((major - minor) * (major + minor));
    e.e = e.c / major;
    e.size = major;
    if (e.c > 0.0) {
        pairOnAxis(out, "ziza", "F1", "F2", e.c, alongY);
        pairOnAxis(out, "teme", "T1", "T2", e.a, false);
        pairOnAxis(out, "teme", "T3", "T4", e.b, true);
    }
    out.point("centar", "C", 0.0, 0.0);
    if (e.c > 0.0) {
        directrices(out, major * major / e.c, alongY);
    }
}

// With a11 a33 < 0 the branches cross the X axis; otherwise the Y axis, as they are traced.
void hyperbolaElements(const Conic& k, CurveElements& e, Collector& out) {
    const SemiAxes axes = semiAxes(k);
    e.realAlongY = (k.a11 > 0.0f) == (k.a33 > 0.0f);
    e.a = e.realAlongY ? axes.b : axes.a;
    e.b = e.realAlongY ? axes.a : axes.b;
    e.c = std::hypot(e.a, e.b);
    e.e = e.c / e.a;
    e.size = e.a;
    pairOnAxis(out, "ziza", "F1", "F2", e.c, e.realAlongY);
    pairOnAxis(out, "teme", "T1", "T2", e.a, e.realAlongY);
    out.point("centar", "C", 0.0, 0.0);
    const double slope = static_cast<double>(axes.b) / axes.a;
    out.line("asimptota", "a1", LineRole::Asymptote, lineThroughOrigin(slope));
    out.line("asimptota", "a2", LineRole::Asymptote, lineThroughOrigin(-slope));
    directrices(out, e.a * e.a / e.c, e.realAlongY);
}

// a22 Y^2 + 2 a13 X = 0 is Y^2 = 2pX with p as the tracing takes it; p < 0 opens to the left.
void parabolaElements(const Conic& k, CurveElements& e, Collector& out) {
    e.p = toFloat(-static_cast<double>(k.a13) / k.a22);
    e.e = 1.0;
    e.size = std::fabs(e.p);
    out.point("ziza", "F", e.p / 2, 0.0);
    out.point("teme", "T", 0.0, 0.0);
    out.line("direktrisa", "d", LineRole::Directrix, verticalLine(-e.p / 2));
    out.line("osa", "o", LineRole::Axis, horizontalLine(0.0));
}

// The lines are those the tracing draws: Y = +-slope X, and Y = y for parallel and double ones.
void lineElements(const Conic& k, CurveKind kind, CurveElements& e, Collector& out) {
    const CurveShapes shapes = sampleCurve(k, kind);
    if (kind == IntersectingLines) {
        const double slope = shapes.lines[0].direction.y;
        const double angle = 2.0 * std::atan(std::fabs(slope)) * 180.0 / kPi;
        e.angle = std::min(angle, 180.0 - angle);
        out.point("presek", "S", 0.0, 0.0);
        out.line("prava", "p1", LineRole::CurveLine, lineThroughOrigin(slope));
        out.line("prava", "p2", LineRole::CurveLine, lineThroughOrigin(-slope));
    } else if (kind == ParallelLines) {
        const double y1 = shapes.lines[0].point.y;
        const double y2 = shapes.lines[1].point.y;
        e.distance = std::fabs(y1 - y2);
        e.size = e.distance / 2;
        out.line("prava", "p1", LineRole::CurveLine, horizontalLine(y1));
        out.line("prava", "p2", LineRole::CurveLine, horizontalLine(y2));
        out.line("srednja prava", "s", LineRole::Axis, horizontalLine((y1 + y2) / 2));
    } else {
        out.line("prava", "p", LineRole::CurveLine, horizontalLine(shapes.lines[0].point.y));
    }
}

} // namespace

PlaneMap planeMap(Matrix reflection, Matrix rotation, Matrix translation) {
    // The linear part is rotation * reflection; the reflection only ever exchanges the axes.
    const double r00 = rotation(0, 0), r01 = rotation(0, 1), r10 = rotation(1, 0),
                 r11 = rotation(1, 1);
    const double s00 = reflection(0, 0), s01 = reflection(0, 1), s10 = reflection(1, 0),
                 s11 = reflection(1, 1);
    return PlaneMap{r00 * s00 + r01 * s10, r00 * s01 + r01 * s11, r10 * s00 + r11 * s10,
                    r10 * s01 + r11 * s11, translation(0, 2),     translation(1, 2)};
}

PlanePoint mapPoint(const PlaneMap& m, PlanePoint p) {
    return {m.xx * p.x + m.xy * p.y + m.tx, m.yx * p.x + m.yy * p.y + m.ty};
}

// For q = L p + t with L orthogonal: n . p + c = 0 becomes (L n) . q + c - (L n) . t = 0.
LineEquation mapLine(const PlaneMap& m, const LineEquation& l) {
    const double a = m.xx * l.a + m.xy * l.b;
    const double b = m.yx * l.a + m.yy * l.b;
    return {a, b, l.c - (a * m.tx + b * m.ty)};
}

CurveElements curveElements(const Conic& canonical, CurveKind kind, Matrix reflection,
                            Matrix rotation, Matrix translation) {
    CurveElements elements;
    const PlaneMap map = planeMap(reflection, rotation, translation);
    Collector out(elements, map);
    switch (kind) {
    case Ellipse:
        ellipseElements(canonical, elements, out);
        break;
    case Hyperbola:
        hyperbolaElements(canonical, elements, out);
        break;
    case Parabola:
        parabolaElements(canonical, elements, out);
        break;
    case IntersectingLines:
    case ParallelLines:
    case DoubleLine:
        lineElements(canonical, kind, elements, out);
        break;
    case SinglePoint:
        out.point("tacka", "T", 0.0, 0.0);
        break;
    default:
        return elements;
    }
    elements.kind = kind;
    return elements;
}
