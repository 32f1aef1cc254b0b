#include "scene/curve.h"

#include "geometry/numbers.h"

#include <cmath>

namespace {

constexpr double kE = 2.718281828459045;

Point planePoint(float x, float y) {
    Point p;
    p.x = x;
    p.y = y;
    return p;
}

Segment segmentBetween(Point a, Point b) {
    Segment s;
    s.a = a;
    s.b = b;
    return s;
}

Line lineThrough(Point point, Point direction) {
    Line l;
    l.point = point;
    l.direction = direction;
    return l;
}

// x = A cos t, y = B sin t; the angle advances before each point, so the chain starts at
// (A, 0) and, after 100 float steps, ends just past it.
void sampleEllipse(const Conic& c, CurveShapes& shapes) {
    const SemiAxes axes = semiAxes(c);
    const float step = toFloat(2.0 * kPi / 100.0);
    Point previous = planePoint(axes.a, 0.0f);
    float t = 0.0f;
    for (int i = 0; i < 100; ++i) {
        t = toFloat(static_cast<double>(t) + step);
        const float cosT = toFloat(std::cos(static_cast<double>(t)));
        const float sinT = toFloat(std::sin(static_cast<double>(t)));
        const Point current = planePoint(toFloat(static_cast<double>(axes.a) * cosT),
                                         toFloat(static_cast<double>(axes.b) * sinT));
        shapes.segments.push_back(segmentBetween(previous, current));
        previous = current;
    }
}

// One branch from s = -3 to s = 3 in steps of 0.03, with u = e^(2s) and v = e^s carried
// along by float multiplications: (u + 1)/(2v) = cosh s, (u - 1)/(2v) = sinh s. The
// branch crosses the x axis (cosh on x) or, with crossesY, the y axis (cosh on y).
void sampleHyperbolaBranch(float a, float b, bool crossesY, CurveShapes& shapes) {
    const float g = toFloat(std::pow(kE, 0.06));
    const float h = toFloat(std::pow(kE, 0.03));
    float u = toFloat(1.0 / std::pow(kE, 6));
    float v = toFloat(1.0 / std::pow(kE, 3));
    auto pointAt = [&]() {
        const double twoV = 2.0 * v;
        const double plus = static_cast<double>(u) + 1.0;
        const double minus = static_cast<double>(u) - 1.0;
        const double x = crossesY ? a * minus / twoV : a * plus / twoV;
        const double y = crossesY ? b * plus / twoV : b * minus / twoV;
        return planePoint(toFloat(x), toFloat(y));
    };
    Point previous = pointAt();
    for (int i = 0; i < 200; ++i) {
        u = toFloat(static_cast<double>(u) * g);
        v = toFloat(static_cast<double>(v) * h);
        const Point current = pointAt();
        shapes.segments.push_back(segmentBetween(previous, current));
        previous = current;
    }
}

// With a11*a33 < 0 the branches cross the x axis; with a11*a33 > 0 the y axis.
void sampleHyperbola(const Conic& c, CurveShapes& shapes) {
    const SemiAxes axes = semiAxes(c);
    const bool crossesY = (c.a11 > 0.0f) == (c.a33 > 0.0f);
    sampleHyperbolaBranch(axes.a, axes.b, crossesY, shapes);
    if (crossesY) {
        sampleHyperbolaBranch(axes.a, -axes.b, crossesY, shapes);
    } else {
        sampleHyperbolaBranch(-axes.a, axes.b, crossesY, shapes);
    }
}

// x = y^2 / (2P) for y from -5 to 5 in steps of 0.05, y^2 carried along by increments.
void sampleParabola(const Conic& c, CurveShapes& shapes) {
    const float p = toFloat(-static_cast<double>(c.a13) / c.a22);
    const double twoP = 2.0 * p;
    float w = 25.0f;
    float y = -5.0f;
    Point previous = planePoint(toFloat(w / twoP), y);
    for (int i = 0; i < 200; ++i) {
        w = toFloat(static_cast<double>(w) + static_cast<double>(0.1f) * y +
                    static_cast<double>(0.0025f));
        y = toFloat(static_cast<double>(y) + static_cast<double>(0.05f));
        const Point current = planePoint(toFloat(w / twoP), y);
        shapes.segments.push_back(segmentBetween(previous, current));
        previous = current;
    }
}

// a11*x^2 + a22*y^2 = 0: the lines y = +-sqrt(|a11/a22|) x through the origin.
void sampleIntersectingLines(const Conic& c, CurveShapes& shapes) {
    const float slope = toFloat(std::sqrt(std::fabs(static_cast<double>(c.a11) / c.a22)));
    shapes.lines.push_back(lineThrough(Point(), planePoint(1.0f, slope)));
    shapes.lines.push_back(lineThrough(Point(), planePoint(1.0f, -slope)));
}

// a22*y^2 + 2*a23*y + a33 = 0: the roots are lines parallel to the x axis. A float W below
// the normal range has lost its digits, so the double it came from is used then; a W that
// comes out negative for two real lines can only be a rounding residue, so it counts as 0.
void sampleParallelLines(const Conic& c, CurveShapes& shapes) {
    const double exactW = static_cast<double>(c.a23) * c.a23 - static_cast<double>(c.a22) * c.a33;
    const float w = toFloat(exactW);
    const double usedW = std::isnormal(w) ? w : exactW;
    const float q = toFloat(std::sqrt(usedW > 0 ? usedW : 0.0));
    const Point direction = planePoint(1.0f, 0.0f);
    shapes.lines.push_back(lineThrough(
        planePoint(0.0f, toFloat((-c.a23 + static_cast<double>(q)) / c.a22)), direction));
    shapes.lines.push_back(lineThrough(
        planePoint(0.0f, toFloat((-c.a23 - static_cast<double>(q)) / c.a22)), direction));
}

void sampleDoubleLine(const Conic& c, CurveShapes& shapes) {
    const float y = toFloat(-static_cast<double>(c.a23) / c.a22);
    shapes.lines.push_back(lineThrough(planePoint(0.0f, y), planePoint(1.0f, 0.0f)));
}

} // namespace

SemiAxes semiAxes(const Conic& c) {
    const double ratioX = -static_cast<double>(c.a33) / c.a11;
    const double ratioY = -static_cast<double>(c.a33) / c.a22;
    return {toFloat(std::sqrt(std::fabs(ratioX))), toFloat(std::sqrt(std::fabs(ratioY)))};
}

CurveShapes sampleCurve(const Conic& canonical, CurveKind kind) {
    CurveShapes shapes;
    switch (kind) {
    case Ellipse:
        sampleEllipse(canonical, shapes);
        break;
    case Hyperbola:
        sampleHyperbola(canonical, shapes);
        break;
    case Parabola:
        sampleParabola(canonical, shapes);
        break;
    case IntersectingLines:
        sampleIntersectingLines(canonical, shapes);
        break;
    case ParallelLines:
        sampleParallelLines(canonical, shapes);
        break;
    case DoubleLine:
        sampleDoubleLine(canonical, shapes);
        break;
    default:
        break;
    }
    return shapes;
}

bool isFinite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool isFinite(const CurveShapes& shapes) {
    for (const Segment& s : shapes.segments) {
        if (!isFinite(s.a) || !isFinite(s.b)) {
            return false;
        }
    }
    for (const Line& l : shapes.lines) {
        if (!isFinite(l.point) || !isFinite(l.direction)) {
            return false;
        }
    }
    return true;
}
