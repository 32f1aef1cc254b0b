// The elements of the curve (foci, vertices, directrices, asymptotes, ...): the textbook cases
// worked by hand, and the focal definition of every traced point over the oracle corpus, in
// the canonical frame and, through the reduction's transforms, in the plane as typed.
#include "traced_conic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const double kSqrt3 = std::sqrt(3.0);
const double kSqrt5 = std::sqrt(5.0);

// A point in both frames, or a line in both frames (compared up to its sign).
struct ExpectedPoint {
    const char* label;
    PlanePoint canonical;
    PlanePoint typed;
};

struct ExpectedLine {
    const char* label;
    LineEquation canonical;
    LineEquation typed;
};

// The figures, as CurveElements names them, that the case states; the others are not checked.
struct Figures {
    double a = NAN, b = NAN, c = NAN, e = NAN, p = NAN, angle = NAN, distance = NAN;
};

Figures axes(double a, double b, double c, double e) {
    Figures f;
    f.a = a;
    f.b = b;
    f.c = c;
    f.e = e;
    return f;
}

Figures only(double Figures::*figure, double value) {
    Figures f;
    f.*figure = value;
    return f;
}

struct TextbookCase {
    const char* typed;
    CurveKind kind;
    Figures figures;
    std::vector<ExpectedPoint> points;
    std::vector<ExpectedLine> lines;
    std::vector<const char*> printed; // lines of the console text, its first line first
};

LineEquation unitLine(double a, double b, double c) {
    const double length = std::hypot(a, b);
    return {a / length, b / length, c / length};
}

const double kFloat = 2e-6; // a few float roundings of values near 1

void expectFigure(double actual, double expected, const char* what, const char* typed) {
    if (!std::isnan(expected)) {
        EXPECT_NEAR(actual, expected, kFloat) << what << " of " << typed;
    }
}

void expectPoint(PlanePoint actual, PlanePoint expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, kFloat) << what;
    EXPECT_NEAR(actual.y, expected.y, kFloat) << what;
}

void expectLine(const LineEquation& actual, const LineEquation& expected, const std::string& what) {
    const double sign = actual.a * expected.a + actual.b * expected.b < 0 ? -1.0 : 1.0;
    EXPECT_NEAR(sign * actual.a, expected.a, kFloat) << what;
    EXPECT_NEAR(sign * actual.b, expected.b, kFloat) << what;
    EXPECT_NEAR(sign * actual.c, expected.c, kFloat) << what;
}

// Worked by hand: the canonical equation from the reduction's steps, then the elements of the
// textbook formulas, then x = R S X + t with the reduction's turn R, exchange S and move t.
const std::vector<TextbookCase> kTextbook = {
    // X^2/4 + Y^2 = 1: c = sqrt 3, e = sqrt 3 / 2, directrices X = +-4/sqrt 3.
    {"1 0 4 0 0 -4",
     Ellipse,
     axes(2, 1, kSqrt3, kSqrt3 / 2),
     {{"F1", {kSqrt3, 0}, {kSqrt3, 0}}, {"F2", {-kSqrt3, 0}, {-kSqrt3, 0}}, {"T3", {0, 1}, {0, 1}}},
     {{"d1", {1, 0, -4 / kSqrt3}, {1, 0, -4 / kSqrt3}},
      {"d2", {1, 0, 4 / kSqrt3}, {1, 0, 4 / kSqrt3}}},
     {"Elipsa X^2/a^2 + Y^2/b^2 = 1: a =  2.00, b =  1.00, c =  1.73, e = 0.8660\n",
      "direktrisa d1: X =  2.31 |  1.00*x + 0.00*y +-2.31 = 0\n"}},
    // -X^2 - 4Y^2 + 4 = 0 reaches -4X^2 - Y^2 + 4 = 0 through the exchange: a = 1 along X,
    // b = 2 along Y, so the foci lie on Y, and in the typed plane on x again.
    {"-1 0 -4 0 0 4",
     Ellipse,
     axes(1, 2, kSqrt3, kSqrt3 / 2),
     {{"F1", {0, kSqrt3}, {kSqrt3, 0}}, {"F2", {0, -kSqrt3}, {-kSqrt3, 0}}},
     {{"d1", {0, 1, -4 / kSqrt3}, {1, 0, -4 / kSqrt3}}},
     {"Elipsa X^2/a^2 + Y^2/b^2 = 1: a =  1.00, b =  2.00, c =  1.73, e = 0.8660\n"}},
    // 5X^2 + 4XY + 8Y^2 - 32X - 56Y + 80 = 0: centre (2, 3), turned by atan(-1/2), 4X^2 + 9Y^2
    // = 36: a = 3, b = 2, c = sqrt 5, e = sqrt 5 / 3; the foci (2, 3) +- sqrt 5 (2, -1)/sqrt 5.
    // Directrix X = 9/sqrt 5: (2x - y - 1)/sqrt 5 = 9/sqrt 5.
    {"5 4 8 -32 -56 80",
     Ellipse,
     axes(3, 2, kSqrt5, kSqrt5 / 3),
     {{"F1", {kSqrt5, 0}, {4, 2}}, {"F2", {-kSqrt5, 0}, {0, 4}}, {"C", {0, 0}, {2, 3}}},
     {{"d1", {1, 0, -9 / kSqrt5}, unitLine(2, -1, -10)}},
     {"Elipsa X^2/a^2 + Y^2/b^2 = 1: a =  3.00, b =  2.00, c =  2.24, e = 0.7454\n",
      "ziza F1: ( 2.24, 0.00) | ( 4.00, 2.00)\n"}},
    // A circle: its centre alone, e = 0.
    {"1 0 1 -2 0 -3",
     Ellipse,
     axes(2, 2, 0, 0),
     {{"C", {0, 0}, {1, 0}}},
     {},
     {"Kruznica X^2 + Y^2 = r^2: r =  2.00, e = 0.0000\n"}},
    // X^2/4 - Y^2 = 1: c = sqrt 5, e = sqrt 5 / 2, asymptotes Y = +-X/2.
    {"1 0 -4 0 0 -4",
     Hyperbola,
     axes(2, 1, kSqrt5, kSqrt5 / 2),
     {{"F1", {kSqrt5, 0}, {kSqrt5, 0}}, {"T2", {-2, 0}, {-2, 0}}},
     {{"a1", unitLine(1, -2, 0), unitLine(1, -2, 0)},
      {"a2", unitLine(1, 2, 0), unitLine(1, 2, 0)},
      {"d1", {1, 0, -4 / kSqrt5}, {1, 0, -4 / kSqrt5}}},
     {"Hiperbola X^2/a^2 - Y^2/b^2 = 1: realna poluosa a =  2.00, imaginarna poluosa b =  1.00, "
      "c =  2.24, e = 1.1180\n",
      "asimptota a1: Y =  0.50*X | -0.45*x + 0.89*y + 0.00 = 0\n"}},
    // Y^2 - X^2/4 = 1 opens along Y: a = 1 (real), b = 2, c = sqrt 5, e = sqrt 5, directrices
    // Y = +-1/sqrt 5.
    {"1 0 -4 0 0 4",
     Hyperbola,
     axes(1, 2, kSqrt5, kSqrt5),
     {{"F1", {0, kSqrt5}, {0, kSqrt5}}, {"T1", {0, 1}, {0, 1}}},
     {{"a1", unitLine(1, -2, 0), unitLine(1, -2, 0)},
      {"d2", {0, 1, 1 / kSqrt5}, {0, 1, 1 / kSqrt5}}},
     {"Hiperbola Y^2/a^2 - X^2/b^2 = 1: realna poluosa a =  1.00, imaginarna poluosa b =  2.00, "
      "c =  2.24, e = 2.2361\n"}},
    // Y^2 = 4X: p = 2, focus (1, 0), directrix X = -1.
    {"0 0 1 -4 0 0",
     Parabola,
     only(&Figures::p, 2),
     {{"F", {1, 0}, {1, 0}}, {"T", {0, 0}, {0, 0}}},
     {{"d", {1, 0, 1}, {1, 0, 1}}, {"o", {0, 1, 0}, {0, 1, 0}}},
     {"Parabola Y^2 = 2pX: p =  2.00, e = 1.0000\n", "ziza F: ( 1.00, 0.00) | ( 1.00, 0.00)\n"}},
    // Y^2 = -4X opens to the left: p = -2, focus (-1, 0), directrix X = 1.
    {"0 0 1 4 0 0",
     Parabola,
     only(&Figures::p, -2),
     {{"F", {-1, 0}, {-1, 0}}},
     {{"d", {1, 0, -1}, {1, 0, -1}}},
     {"Parabola Y^2 = 2pX: p = -2.00, e = 1.0000\n"}},
    // X^2 = 4(Y - 1) is traced after the exchange as Y^2 = 4X: focus (0, 2), directrix y = 0.
    {"1 0 0 0 -4 4",
     Parabola,
     only(&Figures::p, 2),
     {{"F", {1, 0}, {0, 2}}, {"T", {0, 0}, {0, 1}}},
     {{"d", {1, 0, 1}, {0, 1, 0}}, {"o", {0, 1, 0}, {1, 0, 0}}},
     {"Parabola Y^2 = 2pX: p =  2.00, e = 1.0000\n",
      "osa o: Y =  0.00 |  1.00*x + 0.00*y + 0.00 = 0\n"}},
    // X^2 - 3Y^2 = 0: Y = +-X/sqrt 3, 60 degrees apart.
    {"1 0 -3 0 0 0",
     IntersectingLines,
     only(&Figures::angle, 60),
     {{"S", {0, 0}, {0, 0}}},
     {{"p1", unitLine(1, -kSqrt3, 0), unitLine(1, -kSqrt3, 0)}},
     {"Dve prave koje se seku pod uglom od 60.00 stepeni\n"}},
    // Y^2 - 2Y - 3 = 0, left unmoved: the lines Y = 3 and Y = -1, 4 apart, the middle one Y = 1.
    {"0 0 1 0 -2 -3",
     ParallelLines,
     only(&Figures::distance, 4),
     {},
     {{"p1", {0, 1, -3}, {0, 1, -3}}, {"p2", {0, 1, 1}, {0, 1, 1}}, {"s", {0, 1, -1}, {0, 1, -1}}},
     {"Dve paralelne prave na rastojanju  4.00\n"}},
    // (X + 2Y)^2 = 0 turns into 5Y^2 = 0: the line x + 2y = 0.
    {"1 4 4 0 0 0",
     DoubleLine,
     {},
     {},
     {{"p", {0, 1, 0}, unitLine(1, 2, 0)}},
     {"Dvostruka prava\n"}},
    // (X - 1)^2 + (Y - 2)^2 = 0: the point (1, 2).
    {"1 0 1 -2 -4 5", SinglePoint, {}, {{"T", {0, 0}, {1, 2}}}, {}, {"Jedna tacka\n"}},
};

TEST(Elements, OfTheTextbookCasesAsWorkedByHand) {
    for (const TextbookCase& t : kTextbook) {
        const CurveElements e = traceConic(typedConic(t.typed)).elements;
        ASSERT_EQ(e.kind, t.kind) << t.typed;
        expectFigure(e.a, t.figures.a, "a", t.typed);
        expectFigure(e.b, t.figures.b, "b", t.typed);
        expectFigure(e.c, t.figures.c, "c", t.typed);
        expectFigure(e.e, t.figures.e, "e", t.typed);
        expectFigure(e.p, t.figures.p, "p", t.typed);
        expectFigure(e.angle, t.figures.angle, "angle", t.typed);
        expectFigure(e.distance, t.figures.distance, "distance", t.typed);
        for (const ExpectedPoint& want : t.points) {
            const auto found =
                std::find_if(e.points.begin(), e.points.end(),
                             [&](const ElementPoint& p) { return p.label == want.label; });
            ASSERT_NE(found, e.points.end()) << want.label << " of " << t.typed;
            expectPoint(found->canonical, want.canonical,
                        std::string(want.label) + " of " + t.typed);
            expectPoint(found->typed, want.typed, std::string(want.label) + " typed, " + t.typed);
        }
        for (const ExpectedLine& want : t.lines) {
            const auto found =
                std::find_if(e.lines.begin(), e.lines.end(),
                             [&](const ElementLine& l) { return l.label == want.label; });
            ASSERT_NE(found, e.lines.end()) << want.label << " of " << t.typed;
            expectLine(found->canonical, want.canonical,
                       std::string(want.label) + " of " + t.typed);
            expectLine(found->typed, want.typed, std::string(want.label) + " typed, " + t.typed);
        }
        const std::string text = elementsText(e);
        EXPECT_EQ(text.find(t.printed[0]), 0u) << text;
        for (const char* line : t.printed) {
            EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
        }
    }
}

// --- The focal definition over the corpus -------------------------------------------------

double distance(PlanePoint p, PlanePoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

double distance(PlanePoint p, const LineEquation& l) {
    return std::fabs(l.a * p.x + l.b * p.y + l.c);
}

// The elements and traced points in one frame: canonical, or mapped into the typed plane.
struct Frame {
    std::vector<PlanePoint> foci;
    std::vector<LineEquation> directrices;
    std::vector<LineEquation> curveLines;
    std::vector<PlanePoint> points;
};

Frame frameOf(const TracedConic& run, bool typed) {
    Frame f;
    for (const ElementPoint& p : run.elements.points) {
        if (p.label[0] == 'F' || (p.label == "C" && run.elements.c == 0.0)) {
            f.foci.push_back(typed ? p.typed : p.canonical);
        }
    }
    for (const ElementLine& l : run.elements.lines) {
        if (l.role == LineRole::Directrix) {
            f.directrices.push_back(typed ? l.typed : l.canonical);
        } else if (l.role == LineRole::CurveLine) {
            f.curveLines.push_back(typed ? l.typed : l.canonical);
        }
    }
    for (const Vec& v : run.curvePoints) {
        const PlanePoint p{v.x, v.y};
        f.points.push_back(typed ? mapPoint(run.toTyped, p) : p);
    }
    return f;
}

// The largest residual of the focal definition over the traced points, relative to the size of
// the figure: the reach of its traced points from the canonical origin and its focal distance,
// plus, in the typed plane, how far the canonical origin lies. Sum (ellipse) or difference
// (hyperbola) of the focal distances against 2a, each focal distance against e times the
// distance to its directrix; for straight kinds, the distance to the nearest of the curve's
// lines.
double worstResidual(const TracedConic& run, const Frame& f, double scale) {
    const CurveElements& e = run.elements;
    const double major = run.kind == Ellipse ? std::max(e.a, e.b) : e.a;
    double worst = 0.0;
    for (const PlanePoint& p : f.points) {
        std::vector<double> residuals;
        if (run.kind == Ellipse || run.kind == Hyperbola) {
            const double d1 = distance(p, f.foci.front());
            const double d2 = distance(p, f.foci.back());
            residuals.push_back(run.kind == Ellipse ? d1 + d2 - 2 * major
                                                    : std::fabs(d1 - d2) - 2 * major);
            for (std::size_t i = 0; i < f.directrices.size(); ++i) {
                residuals.push_back(distance(p, f.foci[i]) - e.e * distance(p, f.directrices[i]));
            }
        } else if (run.kind == Parabola) {
            residuals.push_back(distance(p, f.foci[0]) - distance(p, f.directrices[0]));
        } else {
            double nearest = INFINITY;
            for (const LineEquation& l : f.curveLines) {
                nearest = std::min(nearest, distance(p, l));
            }
            residuals.push_back(nearest);
        }
        for (double r : residuals) {
            worst = std::max(worst, std::fabs(r) / scale);
        }
    }
    return worst;
}

double figureSize(const TracedConic& run) {
    double size = std::max(run.elements.c, std::fabs(run.elements.p));
    for (const Vec& v : run.curvePoints) {
        size = std::max(size, std::hypot(v.x, v.y));
    }
    return size;
}

TEST(Elements, EveryTracedPointOfTheCorpusHasTheFocalProperty) {
    // Float coefficients, samples and transforms: a few float roundings of the figure's size,
    // to which the carried square of the parabola and the carried exponentials of the hyperbola
    // add about as much. A focus or directrix in the wrong place is off by a part of the size.
    const double tolerance = 1e-5;
    int curves = 0;
    int focal = 0; // ellipses, hyperbolas and parabolas; the rest are lines
    std::size_t points = 0;
    double worstCanonical = 0.0;
    double worstTyped = 0.0;
    int failures = 0;
    for (const CorpusCase& c : buildCorpus()) {
        const TracedConic run = traceConic(typedConic(c.typed));
        if (run.kind == 0) {
            continue;
        }
        ++curves;
        focal += run.kind <= Parabola;
        points += run.curvePoints.size();
        const double size = figureSize(run);
        const double origin = std::hypot(run.toTyped.tx, run.toTyped.ty);
        const double canonical = worstResidual(run, frameOf(run, false), size);
        const double inTyped = worstResidual(run, frameOf(run, true), size + origin);
        worstCanonical = std::max(worstCanonical, canonical);
        worstTyped = std::max(worstTyped, inTyped);
        if ((canonical > tolerance || inTyped > tolerance) && ++failures <= 10) {
            ADD_FAILURE() << c.family << " " << run.entered.a11 << " " << run.entered.a12 << " "
                          << run.entered.a22 << " " << run.entered.a13 << " " << run.entered.a23
                          << " " << run.entered.a33 << ": canonical " << canonical << ", typed "
                          << inTyped;
        }
    }
    std::printf("focal property: %d traced curves of the oracle corpus (%d by the focal "
                "definition, %d on their lines), %zu points; worst relative residual %.2g in "
                "the canonical frame, %.2g in the typed plane (tolerance %.0g)\n",
                curves, focal, curves - focal, points, worstCanonical, worstTyped, tolerance);
    EXPECT_EQ(failures, 0);
    EXPECT_GT(curves, 1000);
}

} // namespace
