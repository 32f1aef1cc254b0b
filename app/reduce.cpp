// The reduction of a conic to canonical form, printed step by step.
//
// Every printed and traced value comes from float arithmetic: each intermediate is stored
// as a float, expressions are evaluated in double between stores. Every branch, however,
// is decided from the exact signs of the invariants of the entered equation, and where
// such a sign says that a value is zero (or has the other sign), the value stored in the
// record follows the exact decision instead of the rounding residue.
#include "app/conic.h"
#include "exact/reduction_path.h"
#include "geometry/formatted.h"
#include "geometry/numbers.h"
#include "scene/curve.h"
#include "scene/reduction_record.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

namespace {

int signOf(long double value) {
    return (value > 0) - (value < 0);
}

// A computed value whose sign agrees with the exact one is kept; otherwise (a residue of
// rounding) the value that the invariants give takes its place, or, where that lies below
// the float range, the float nearest to it with the right sign.
float withExactSign(float computed, int exactSign, long double exactValue) {
    if (exactSign == 0) {
        return 0.0f;
    }
    if (signOf(computed) == exactSign) {
        return computed;
    }
    const float value = static_cast<float>(exactValue);
    if (value != 0.0f) {
        return value;
    }
    return std::copysign(std::numeric_limits<float>::denorm_min(), static_cast<float>(exactSign));
}

// What the classification found: a curve to trace, or the result to return without one.
struct Outcome {
    CurveKind kind; // 0 or SinglePoint: nothing to trace
    int result;
};

constexpr Outcome traced(CurveKind kind) {
    return {kind, 0};
}
constexpr Outcome kNoPicture = {0, 1};
constexpr Outcome kSinglePoint = {SinglePoint, 0}; // not traced: the viewer opens empty

// The steps are written down first and shown only once all their numbers are known to be
// finite: a step that overflows the floats is not shown half done.
struct Reduction {
    Conic& c;
    const ConicInvariants& invariants;
    const ReductionPath& path;
    Matrix translation;
    Matrix rotation;
    Matrix reflection;
    std::string steps = "";

    template <typename... Numbers> void print(const char* format, Numbers... numbers) {
        steps += formatted(format, numbers...);
    }
    void echo() { steps += equationLine(c); }

    Outcome reduceCentral();
    Outcome reduceNonCentral();
    Outcome reduceParabolaAlongY();
    Outcome reduceParabolaAlongX();
    void moveOrigin(float x0, float y0);
    void rotateAxes(bool central);
    void fixRotatedEigenvalues();
    double angleDifference(double a11, double a22) const;
    void fixNullAxisTerm(double a11, double a12, double co, double s);
    void exchangeAxes();
};

// The two eigenvalues of the quadratic part, from the invariants: the larger first.
struct Eigenvalues {
    long double larger;
    long double smaller;
    int largerSign;
    int smallerSign;
};

Eigenvalues eigenvaluesOf(const ConicInvariants& inv) {
    const long double root = std::sqrt(inv.discriminant);
    Eigenvalues e{};
    // The one of larger magnitude from the sum, the other from the product: no cancellation.
    if (inv.trace >= 0) {
        e.larger = (inv.trace + root) / 2;
        e.smaller = e.larger != 0 ? inv.quadraticDet / e.larger : 0;
    } else {
        e.smaller = (inv.trace - root) / 2;
        e.larger = inv.quadraticDet / e.smaller;
    }
    const int det = inv.quadraticDetSign;
    const int trace = inv.traceSign;
    e.largerSign = det < 0 ? 1 : det > 0 ? trace : (trace > 0 ? 1 : 0);
    e.smallerSign = det < 0 ? -1 : det > 0 ? trace : (trace < 0 ? -1 : 0);
    return e;
}

// a11 - a22 for the angle, with the exact sign: floats that are equal stand for numbers that
// may differ (typed to more digits than a float holds), and a typed -0 is 0, so that the angle
// is 45 degrees with the sign of a12 exactly when the typed a11 and a22 are equal.
double Reduction::angleDifference(double a11, double a22) const {
    const double difference = a11 - a22;
    if (difference != 0.0 || invariants.differenceSign == 0) {
        return difference + 0.0;
    }
    const double exact = std::fabs(static_cast<double>(invariants.difference));
    return invariants.differenceSign *
           std::max(exact, static_cast<double>(std::numeric_limits<double>::denorm_min()));
}

// The angle turns the axes so that the X*Y term vanishes: tan 2phi = 2 a12 / (a11 - a22).
// With a11 = a22 the quotient is an infinity with the sign of a12, giving +-45 degrees.
void Reduction::rotateAxes(bool central) {
    const double a11 = c.a11, a12 = c.a12, a22 = c.a22, a13 = c.a13, a23 = c.a23;
    const float q = toFloat(2 * a12 / angleDifference(a11, a22));
    const float t = toFloat(std::atan(static_cast<double>(q)));
    const float phi = toFloat(t * 0.5);
    const float deg = toFloat(phi * 180.0 / kPi);
    const double s = toFloat(std::sin(static_cast<double>(phi)));
    const double co = toFloat(std::cos(static_cast<double>(phi)));

    print("<=> (rotacija za ugao %5.2f)\n", deg);
    print("(%5.2f*(cos%5.2f )^2+%5.2f*cos%5.2f*sin%5.2f+%5.2f*(sin %5.2f)^2)*X'^2\n", a11, deg,
          2 * a12, deg, deg, a22, deg);
    print(central ? "(%5.2f*(sin%5.2f )^2-%5.2f*cos%5.2f*sin%5.2f+%5.2f*(cos%5.2f)^2)*Y'^2\n"
                  : "+(%5.2f*(sin%5.2f )^2-%5.2f*cos%5.2f*sin%5.2f+%5.2f*(cos%5.2f)^2)*Y'^2\n",
          a11, deg, 2 * a12, deg, deg, a22, deg);
    if (!central) {
        print("+(%5.2f*cos%5.2f+%5.2f*sin%5.2f)*X' ", 2 * a13, deg, 2 * a23, deg);
        print("+(%5.2f*cos%5.2f-%5.2f*sin%5.2f)*Y' \n", 2 * a23, deg, 2 * a13, deg);
    }
    print("+%5.2f\n", c.a33);

    c.a12 = 0.0f;
    c.a11 = toFloat(a11 * co * co + 2 * a12 * s * co + a22 * s * s);
    c.a22 = toFloat(a11 * s * s - 2 * a12 * s * co + a22 * co * co);
    fixRotatedEigenvalues();
    if (!central) {
        c.a13 = toFloat(a13 * co + a23 * s);
        c.a23 = toFloat(a23 * co - a13 * s);
        fixNullAxisTerm(a11, a12, co, s);
    }
    rotation = rotationMatrix(phi);
    echo();
}

void Reduction::fixRotatedEigenvalues() {
    const Eigenvalues e = eigenvaluesOf(invariants);
    if (path.largerFirst) {
        c.a11 = withExactSign(c.a11, e.largerSign, e.larger);
        c.a22 = withExactSign(c.a22, e.smallerSign, e.smaller);
    } else {
        c.a11 = withExactSign(c.a11, e.smallerSign, e.smaller);
        c.a22 = withExactSign(c.a22, e.largerSign, e.larger);
    }
}

// The linear term along the axis of the zero eigenvalue is zero exactly when Delta is;
// otherwise its square is -Delta / I, and its sign is that of the linear terms along the
// entered null direction (-a12, a11), turned the way of the rotated axis.
void Reduction::fixNullAxisTerm(double a11, double a12, double co, double s) {
    const bool nullAlongX = c.a11 == 0.0f;
    float& term = nullAlongX ? c.a13 : c.a23;
    const double axisX = nullAlongX ? co : -s;
    const double axisY = nullAlongX ? s : co;
    const int exactSign = invariants.fullDetSign == 0 ? 0
                                                      : invariants.nullDirectionTermSign *
                                                            signOf(-a12 * axisX + a11 * axisY);
    term = withExactSign(term, exactSign,
                         exactSign * std::sqrt(-invariants.fullDet / invariants.trace));
}

void Reduction::exchangeAxes() {
    std::swap(c.a11, c.a22);
    std::swap(c.a13, c.a23);
    reflection = reflectionMatrix();
    steps += "<=>(Potrebno je izvrsiti refleksiju)\n";
    echo();
}

// Moves the origin to (x0, y0), remembers the move and echoes the new equation. The move is
// remembered in the entered coordinates: one made after a rotation (parabolas) is turned
// back with it, so that the last frame, translation after rotation after reflection, is the
// canonical frame as it lies in the entered plane for every kind of curve.
void Reduction::moveOrigin(float x0, float y0) {
    Point origin;
    origin.x = x0;
    origin.y = y0;
    translation = translationMatrix(transformPoint(rotation, origin));
    echo();
}

Outcome Reduction::reduceCentral() {
    const double a11 = c.a11, a12 = c.a12, a22 = c.a22, a13 = c.a13, a23 = c.a23, a33 = c.a33;
    const int detSign = invariants.quadraticDetSign;
    // A float det that overflowed, lost digits below the normal range or took the wrong sign
    // would move the centre; the exact value, which a double holds, takes its place then.
    const float floatDet = toFloat(a11 * a22 - a12 * a12);
    const double det = std::isnormal(floatDet) && signOf(floatDet) == detSign
                           ? static_cast<double>(floatDet)
                           : static_cast<double>(invariants.quadraticDet);
    const float x0 = toFloat((a23 * a12 - a13 * a22) / det);
    const float y0 = toFloat((a13 * a12 - a23 * a11) / det);
    print("<=>(translacija za vektor(%5.2f,%5.2f))\n", x0, y0);
    print(" %5.2f*(X'+%5.2f)^2", a11, x0);
    print("+%5.2f*(X'+%5.2f)*(Y' +%5.2f)\n", 2 * a12, x0, y0);
    print("+%5.2f*(Y'+%5.2f)^2", a22, y0);
    // The linear terms too, so that the line is the whole equation in X' and Y'; a curve
    // centred at the origin has none.
    if (a13 != 0 || a23 != 0) {
        print("+%5.2f*(X'+%5.2f)+%5.2f*(Y'+%5.2f)", 2 * a13, x0, 2 * a23, y0);
    }
    print("+%5.2f\n", a33);

    // The value of the left-hand side at the centre, term by term; it equals Delta / delta.
    const float t1 = toFloat(a11 * x0 * x0);
    const float t2 = toFloat(2 * a12 * x0 * y0);
    const float t3 = toFloat(a22 * y0 * y0);
    const float t4 = toFloat(2 * a13 * x0);
    const float t5 = toFloat(2 * a23 * y0);
    const float freeTerm = toFloat(t1 + a33 + t2 + t3 + t4 + t5);
    c.a23 = 0.0f;
    c.a13 = 0.0f;
    c.a33 = withExactSign(freeTerm, invariants.fullDetSign * detSign,
                          invariants.fullDet / invariants.quadraticDet);
    moveOrigin(x0, y0);
    if (c.a12 != 0.0f) {
        rotateAxes(true);
    }

    switch (path.ending) {
    case Ending::Hyperbola:
        return traced(Hyperbola);
    case Ending::IntersectingLines:
        return traced(IntersectingLines);
    case Ending::SinglePoint:
        return kSinglePoint;
    case Ending::ImaginaryEllipse:
        steps += "Resenje je imaginarna kriva.\n";
        return kNoPicture;
    default:
        if (path.exchanged) {
            exchangeAxes();
        }
        return traced(Ellipse);
    }
}

// a11 X^2 + 2 a13 X + 2 a23 Y + a33 = 0 with a23 != 0: a parabola opening along Y. Its
// vertex becomes the origin, then the axes are exchanged.
Outcome Reduction::reduceParabolaAlongY() {
    const double a11 = c.a11, a13 = c.a13, a23 = c.a23, a33 = c.a33;
    const float x0 = toFloat(-a13 / a11);
    const float y0 = toFloat((a13 * a13 - a11 * a33) / (2.0 * a11 * a23));
    print("%5.2f*(X' +%5.2f)^2", a11, x0);
    print("+%5.2f*(X' + %5.2f)\n", 2 * a13, x0);
    print("+%5.2f*(Y' + %5.2f)", 2 * a23, y0);
    print("+%5.2f\n", a33);
    // The new X coefficient and free term vanish by the choice of the vertex.
    c.a13 = 0.0f;
    c.a33 = 0.0f;
    moveOrigin(x0, y0);
    exchangeAxes();
    return traced(Parabola);
}

// a22 Y^2 + 2 a13 X + 2 a23 Y + a33 = 0 with a13 != 0: a parabola opening along X already;
// only its vertex becomes the origin.
Outcome Reduction::reduceParabolaAlongX() {
    const double a22 = c.a22, a13 = c.a13, a23 = c.a23, a33 = c.a33;
    const float x0 = toFloat((a23 * a23 - a33 * a22) / (a22 * 2 * a13));
    const float y0 = toFloat(-a23 / a22);
    print("<=>(translacija za vektor(%5.2f,%5.2f))\n", x0, y0);
    print("%5.2f*(Y' +%5.2f)^2", a22, y0);
    print("+%5.2f*(X' + %5.2f)\n", 2 * a13, x0);
    print("+%5.2f*(Y' + %5.2f)", 2 * a23, y0);
    print("+%5.2f\n", a33);
    c.a23 = 0.0f;
    c.a33 = 0.0f;
    moveOrigin(x0, y0);
    return traced(Parabola);
}

Outcome Reduction::reduceNonCentral() {
    if (c.a12 != 0.0f) {
        rotateAxes(false);
    }
    // One of a11, a22 is now exactly the zero eigenvalue; the linear term along its axis is
    // zero unless the curve is a parabola.
    switch (path.ending) {
    case Ending::Parabola:
        return path.squareInX ? reduceParabolaAlongY() : reduceParabolaAlongX();
    case Ending::EmptyPair:
        steps += "Resenje je prazan skup\n";
        return kNoPicture;
    case Ending::LinesAlongY:
    case Ending::DoubleLineAlongY:
        // a11 X^2 + 2 a13 X + a33 = 0: lines parallel to the Y axis, which are not drawn.
        steps += "Dve prave. \n";
        return kNoPicture;
    case Ending::ParallelLines:
        return traced(ParallelLines);
    default:
        return traced(DoubleLine);
    }
}

bool isFiniteRecord(const Conic& c) {
    return std::isfinite(c.a11) && std::isfinite(c.a12) && std::isfinite(c.a22) &&
           std::isfinite(c.a13) && std::isfinite(c.a23) && std::isfinite(c.a33);
}

bool isFiniteMatrix(Matrix m) {
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            if (!std::isfinite(m(x, y))) {
                return false;
            }
        }
    }
    return true;
}

// Numbers beyond the float range, entered or met on the way to the picture: the equation has
// been echoed, and nothing of the reduction is shown or traced.
int tooLargeToReduce() {
    std::fputs("Brojevi su preveliki za svodjenje na kanonski oblik.\n", stdout);
    std::fflush(stdout);
    return 1;
}

} // namespace

int Conic::reduceConic() {
    if (!isFiniteRecord(*this)) {
        return reduceConic(ExactConic{});
    }
    return reduceConic(exactConic(*this));
}

int Conic::reduceConic(const ExactConic& typed) {
    if (a11 == 0.0f && a12 == 0.0f && a22 == 0.0f) {
        std::printf("Ono sto ste uneli nije kriva drugog reda!");
        return 1;
    }
    printConic(*this);
    if (!isFiniteRecord(*this)) {
        return tooLargeToReduce();
    }
    const ConicInvariants invariants = conicInvariants(typed);
    const ReductionPath path = reductionPath(typed, invariants);
    Reduction reduction{*this, invariants, path, Matrix(), Matrix(), Matrix()};
    const Outcome outcome = path.central ? reduction.reduceCentral() : reduction.reduceNonCentral();
    if (!isFiniteRecord(*this) || !isFiniteMatrix(reduction.translation) ||
        !isFiniteMatrix(reduction.rotation)) {
        return tooLargeToReduce();
    }
    const bool drawn = outcome.kind != 0 && outcome.kind != SinglePoint;
    CurveShapes curve;
    if (drawn) {
        curve = sampleCurve(*this, outcome.kind);
        if (!isFinite(curve)) {
            return tooLargeToReduce();
        }
    }
    std::fputs(reduction.steps.c_str(), stdout);
    if (outcome.kind == SinglePoint) {
        recordReduction(*this, SinglePoint, reduction.reflection, reduction.rotation,
                        reduction.translation);
    }
    if (!drawn) {
        return outcome.result;
    }
    traceCurve(outcome.kind, reduction.reflection, reduction.rotation, reduction.translation,
               curve);
    return 0;
}
