// The properties of the reduction that hold for every conic, whatever its coefficients.
//
// Tolerances. Every quantity of the reduction is a float, rounded with a relative error of at
// most u = 2^-24 (6e-8) each time it is stored, and every path stores a value at most about
// ten times between the entered coefficients and a traced point. So each figure below is
// measured against the magnitude that its roundings scale with:
//   - the turned frame (cos and sin of one float angle): against 1;
//   - the X*Y term in the turned frame and the quadratic coefficients: against |A|, the
//     Frobenius norm of the entered quadratic part;
//   - the linear coefficients in the final frame: against |A| |O| + |b|, O the final origin;
//   - the constant and every traced point P: against the size of the terms of the entered
//     equation within the reach r of the origin, S(r) = |A| r^2 + 2 |b| r + |c|, with
//     r = |O| for the constant and r = |O| plus the extent of the traced figure for points.
// Below the smallest normal float the rounding error is no longer relative: a float q is off by
// at most u (|q| + 2^-126). So every magnitude, the final origin's included, is taken with a
// floor of 2^-124 (a margin of four); an origin that underflowed to 0 leaves terms that small.
// A few u of each of some ten roundings stays below 1e-6 of these scales. The sampling adds to
// the points: a hyperbola's exponentials, carried over 200 float products, put its points off
// the canonical curve by up to 1.7e-5 of the canonical free term, which is A^2 |a11| <= 1/100
// of S(r) since the branches reach 10 A; a parabola's carried square is off by up to 2e-5 of
// |a22| while S(r) >= 25 |a22|. Hence 1e-6 for the frame and the X*Y term, 2e-6 for the
// canonical form and 1e-5 for the points. A wrong sign, a wrong angle or two steps in the
// wrong order move the figure by about its own size: a ratio near 1.
#include "property_checks.h"

#include <algorithm>
#include <cmath>

const double kFrameTolerance = 1e-6;
const double kMixedTermTolerance = 1e-6;
const double kCanonicalTolerance = 2e-6;
const double kPointTolerance = 1e-5;

namespace {

const double kFloatFloor = std::ldexp(1.0, -124);

double withFloor(double magnitude) {
    return magnitude + kFloatFloor;
}

double dot(Vec p, Vec q) {
    return p.x * q.x + p.y * q.y;
}

double length(Vec p) {
    return std::hypot(p.x, p.y);
}

Vec combination(Vec origin, double x, Vec u, double y, Vec v) {
    return {origin.x + x * u.x + y * v.x, origin.y + x * u.y + y * v.y};
}

// a11 X^2 + 2 a12 X Y + a22 Y^2 + 2 b1 X + 2 b2 Y + c, in double from the entered floats.
struct Equation {
    double a11, a12, a22, b1, b2, c;

    explicit Equation(const Conic& k)
        : a11(k.a11), a12(k.a12), a22(k.a22), b1(k.a13), b2(k.a23), c(k.a33) {}

    double at(Vec p) const {
        return a11 * p.x * p.x + 2 * a12 * p.x * p.y + a22 * p.y * p.y + 2 * b1 * p.x +
               2 * b2 * p.y + c;
    }
    // u^T A v
    double form(Vec u, Vec v) const {
        return a11 * u.x * v.x + a12 * (u.x * v.y + u.y * v.x) + a22 * u.y * v.y;
    }
    // A p + b, half the gradient.
    Vec halfGradient(Vec p) const {
        return {a11 * p.x + a12 * p.y + b1, a12 * p.x + a22 * p.y + b2};
    }
    double quadraticNorm() const { return std::sqrt(a11 * a11 + 2 * a12 * a12 + a22 * a22); }
    double linearNorm() const { return std::hypot(b1, b2); }
    double termScale(double reach) const {
        return quadraticNorm() * reach * reach + 2 * linearNorm() * reach + std::fabs(c);
    }
};

// A canonical point (x, y) is the entered point origin + x u + y v.
struct MapBack {
    Vec origin;
    Vec u;
    Vec v;
};

// The last frame is the canonical frame as it lies in the entered plane: its origin is the
// translation, its axes the turned (and reflected) axes.
MapBack mapBackOf(const TracedConic& run) {
    const Frames& f = run.frames;
    return {f.translation, f.turnedX, f.turnedY};
}

bool sameSign(double p, double q) {
    return (p > 0 && q > 0) || (p < 0 && q < 0);
}

// The form of the canonical record that the kind table gives; fields that vanish are exact
// zeros. For the line kinds, W = a23^2 - a22 a33 has the sign of the kind up to the rounding
// of the rotated fields.
std::string canonicalFormProblem(const Conic& k, CurveKind kind) {
    const bool centred = k.a12 == 0 && k.a13 == 0 && k.a23 == 0;
    const double w = double(k.a23) * k.a23 - double(k.a22) * k.a33;
    const double wScale = 1e-6 * (double(k.a23) * k.a23 + std::fabs(double(k.a22) * k.a33));
    bool holds = false;
    switch (kind) {
    case Ellipse:
        holds = centred && sameSign(k.a11, k.a22) && sameSign(k.a11, -k.a33) && k.a11 <= k.a22;
        break;
    case Hyperbola:
        holds = centred && sameSign(k.a11, -k.a22) && k.a33 != 0;
        break;
    case Parabola:
        holds = k.a11 == 0 && k.a12 == 0 && k.a23 == 0 && k.a33 == 0 && k.a22 != 0 && k.a13 != 0;
        break;
    case IntersectingLines:
        holds = centred && sameSign(k.a11, -k.a22) && k.a33 == 0;
        break;
    case ParallelLines:
        holds = k.a11 == 0 && k.a12 == 0 && k.a13 == 0 && k.a22 != 0 && w > -wScale;
        break;
    case DoubleLine:
        holds = k.a11 == 0 && k.a12 == 0 && k.a13 == 0 && k.a22 != 0 && std::fabs(w) <= wScale;
        break;
    default:
        break;
    }
    return holds ? "" : "the canonical record is not of the form its kind has";
}

std::string framesProblem(const TracedConic& run) {
    const Frames& f = run.frames;
    if (run.result != 0) {
        return "a curve was traced with the result 1";
    }
    if (!f.plainFrameIsPlain || !f.axesColored) {
        return "the frame axes are not the plain frame and its images in their colors";
    }
    const bool plain =
        f.reflectedX.x == 1 && f.reflectedX.y == 0 && f.reflectedY.x == 0 && f.reflectedY.y == 1;
    const bool exchanged =
        f.reflectedX.x == 0 && f.reflectedX.y == 1 && f.reflectedY.x == 1 && f.reflectedY.y == 0;
    if (!plain && !exchanged) {
        return "the reflected frame is neither the plain one nor the one with the axes exchanged";
    }
    // A rotation keeps the orientation that the reflection gave.
    const double orientation = f.turnedX.x * f.turnedY.y - f.turnedX.y * f.turnedY.x;
    if (!sameSign(orientation, plain ? 1 : -1)) {
        return "the turned frame does not keep the orientation of the reflected one";
    }
    return "";
}

double turnedFrameFigure(const Frames& f) {
    const double reach = 1 + length(f.translation);
    const Vec driftX = {f.movedX.x - f.turnedX.x, f.movedX.y - f.turnedX.y};
    const Vec driftY = {f.movedY.x - f.turnedY.x, f.movedY.y - f.turnedY.y};
    return std::max({std::fabs(dot(f.turnedX, f.turnedX) - 1),
                     std::fabs(dot(f.turnedY, f.turnedY) - 1), std::fabs(dot(f.turnedX, f.turnedY)),
                     length(driftX) / reach, length(driftY) / reach});
}

// The entered equation written in the final frame, coefficient by coefficient, against the
// canonical record.
double canonicalFormFigure(const Equation& e, const MapBack& m, const Conic& k) {
    const double reach = withFloor(length(m.origin));
    const double quadratic = withFloor(e.quadraticNorm());
    const double linear = withFloor(e.quadraticNorm() * reach + e.linearNorm());
    const double constant = withFloor(e.termScale(reach));
    const Vec g = e.halfGradient(m.origin);
    return std::max(
        {std::fabs(e.form(m.u, m.u) - k.a11) / quadratic,
         std::fabs(e.form(m.u, m.v) - k.a12) / quadratic,
         std::fabs(e.form(m.v, m.v) - k.a22) / quadratic, std::fabs(dot(g, m.u) - k.a13) / linear,
         std::fabs(dot(g, m.v) - k.a23) / linear, std::fabs(e.at(m.origin) - k.a33) / constant});
}

double curvePointFigure(const Equation& e, const MapBack& m, const std::vector<Vec>& points) {
    double extent = 0;
    for (const Vec& p : points) {
        extent = std::max(extent, length(p));
    }
    const double scale = withFloor(e.termScale(withFloor(length(m.origin)) + extent));
    double worst = 0;
    for (const Vec& p : points) {
        const double residual = std::fabs(e.at(combination(m.origin, p.x, m.u, p.y, m.v)));
        worst = std::max(worst, residual / scale);
    }
    return worst;
}

} // namespace

Agreement agreementOf(const TracedConic& run) {
    Agreement a;
    a.problem = framesProblem(run);
    if (a.problem.empty()) {
        a.problem = canonicalFormProblem(run.canonical, run.kind);
    }
    const Equation entered(run.entered);
    const MapBack m = mapBackOf(run);
    a.turnedFrame = turnedFrameFigure(run.frames);
    a.mixedTerm = std::fabs(entered.form(m.u, m.v)) / withFloor(entered.quadraticNorm());
    a.canonicalForm = canonicalFormFigure(entered, m, run.canonical);
    a.curvePoints = curvePointFigure(entered, m, run.curvePoints);
    return a;
}

bool agrees(const Agreement& a) {
    // Written so that a NaN figure fails.
    return a.problem.empty() && a.turnedFrame <= kFrameTolerance &&
           a.mixedTerm <= kMixedTermTolerance && a.canonicalForm <= kCanonicalTolerance &&
           a.curvePoints <= kPointTolerance;
}

Conic mirroredThroughOrigin(const Conic& entered) {
    Conic mirrored = entered;
    mirrored.a13 = -entered.a13;
    mirrored.a23 = -entered.a23;
    return mirrored;
}

std::string mirrorProblem(const TracedConic& run, const TracedConic& mirrored) {
    if (mirrored.result != run.result || mirrored.kind != run.kind) {
        return "the mirrored conic ends differently";
    }
    if (run.kind == 0) {
        return "";
    }
    const Conic& k = run.canonical;
    const Conic& m = mirrored.canonical;
    if (m.a11 != k.a11 || m.a12 != k.a12 || m.a22 != k.a22 || m.a33 != k.a33 || m.a13 != -k.a13 ||
        m.a23 != -k.a23) {
        return "the mirrored conic's canonical record is not the mirror image";
    }
    const Vec t = run.frames.translation;
    const Vec u = mirrored.frames.translation;
    if (u.x != -t.x || u.y != -t.y) {
        return "the mirrored conic is not moved by the negated translation";
    }
    return "";
}
