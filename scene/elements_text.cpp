#include "scene/elements.h"

#include "geometry/formatted.h"

#include <cmath>

namespace {

// Adding 0 turns a negative zero into a zero, which prints without a sign.
double unsignedZero(double value) {
    return value + 0.0;
}

std::string pointText(PlanePoint p) {
    return formatted("(%5.2f,%5.2f)", unsignedZero(p.x), unsignedZero(p.y));
}

// The canonical lines are parallel to an axis or pass through the origin.
std::string canonicalLineText(const LineEquation& l) {
    if (l.b == 0.0) {
        return formatted("X = %5.2f", unsignedZero(-l.c / l.a));
    }
    if (l.a == 0.0) {
        return formatted("Y = %5.2f", unsignedZero(-l.c / l.b));
    }
    return formatted("Y = %5.2f*X", unsignedZero(-l.a / l.b));
}

// Written with its larger coefficient of x and y positive.
std::string typedLineText(const LineEquation& l) {
    const bool negate = std::fabs(l.a) >= std::fabs(l.b) ? l.a < 0 : l.b < 0;
    const double sign = negate ? -1.0 : 1.0;
    return formatted("%5.2f*x +%5.2f*y +%5.2f = 0", unsignedZero(sign * l.a),
                     unsignedZero(sign * l.b), unsignedZero(sign * l.c));
}

std::string heading(const CurveElements& e) {
    switch (e.kind) {
    case Ellipse:
        if (e.c == 0.0) {
            return formatted("Kruznica X^2 + Y^2 = r^2: r = %5.2f, e = %.4f\n", e.a, e.e);
        }
        return formatted("Elipsa X^2/a^2 + Y^2/b^2 = 1: a = %5.2f, b = %5.2f, c = %5.2f, "
                         "e = %.4f\n",
                         e.a, e.b, e.c, e.e);
    case Hyperbola:
        return formatted("Hiperbola %s = 1: realna poluosa a = %5.2f, imaginarna poluosa b = "
                         "%5.2f, c = %5.2f, e = %.4f\n",
                         e.realAlongY ? "Y^2/a^2 - X^2/b^2" : "X^2/a^2 - Y^2/b^2", e.a, e.b, e.c,
                         e.e);
    case Parabola:
        return formatted("Parabola Y^2 = 2pX: p = %5.2f, e = %.4f\n", e.p, e.e);
    case IntersectingLines:
        return formatted("Dve prave koje se seku pod uglom od %5.2f stepeni\n", e.angle);
    case ParallelLines:
        return formatted("Dve paralelne prave na rastojanju %5.2f\n", e.distance);
    case DoubleLine:
        return "Dvostruka prava\n";
    case SinglePoint:
        return "Jedna tacka\n";
    default:
        return "";
    }
}

} // namespace

std::string elementsText(const CurveElements& elements) {
    if (elements.kind == 0) {
        return "";
    }
    std::string text = heading(elements);
    text += "U kanonskom sistemu (X, Y) | u zadatom sistemu (x, y):\n";
    for (const ElementPoint& p : elements.points) {
        text += formatted("%s %s: %s | %s\n", p.name, p.label.c_str(),
                          pointText(p.canonical).c_str(), pointText(p.typed).c_str());
    }
    for (const ElementLine& l : elements.lines) {
        text += formatted("%s %s: %s | %s\n", l.name, l.label.c_str(),
                          canonicalLineText(l.canonical).c_str(), typedLineText(l.typed).c_str());
    }
    return text;
}
