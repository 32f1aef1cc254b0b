// The elements of the curve, exact, in the canonical frame and in the typed plane: semi-axes,
// foci, vertices, centre, directrices, asymptotes, axis, the lines of a pair with their
// equations multiplied out to the typed one, the angle and the distance.
#include "solution/solver.h"
#include "solution/values.h"

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

const SignedRoot kZero{0, 0};
const SignedRoot kOne{1, 1};

struct NamedPoint {
    std::string label;
    CanonicalPoint at;
};

struct NamedLine {
    std::string name; // "direktrisa d1"
    CanonicalLine line;
    Expr canonical; // "X = 9*sqrt(5)/5 ~ 4.025"
};

struct Elements {
    std::string heading;
    std::vector<Expr> numbers;
    std::vector<NamedPoint> points;
    std::vector<NamedLine> lines;
    std::vector<Block> after; // the pair multiplied out, the angle
};

// "F1 = (sqrt(5), 0) ~ (2.236, 0)"
Expr pointLine(const std::string& label, const Radical& x, const Radical& y) {
    std::vector<Expr> operands = {variable(label), tuple({valueOf(x), valueOf(y)})};
    if (!isIrrational(x) && !isIrrational(y)) {
        return relation(operands, "=");
    }
    operands.push_back(
        tuple({decimal(decimalText(x.approximate())), decimal(decimalText(y.approximate()))}));
    return relation(operands, "=~");
}

CanonicalPoint onX(const SignedRoot& x) {
    return {x, kZero};
}

CanonicalPoint onY(const SignedRoot& y) {
    return {kZero, y};
}

// X = k (or Y = k) with k = shift + distance.
NamedLine axisParallel(const std::string& name, bool vertical, const Quadratic& shift,
                       const SignedRoot& distance) {
    CanonicalLine line{
        vertical ? kOne : kZero, vertical ? kZero : kOne, {-SignedRoot::of(shift), -distance}};
    const Radical at = plus(shift, distance);
    return {name, line, relation({variable(vertical ? "X" : "Y"), valueOf(at)}, "=")};
}

NamedLine withDecimal(NamedLine l, const Radical& at) {
    if (isIrrational(at)) {
        std::vector<Expr> parts = l.canonical->parts;
        parts.push_back(decimal(decimalText(at.approximate())));
        l.canonical = relation(parts, "=~");
    }
    return l;
}

// Y = m X
NamedLine throughOrigin(const std::string& name, const SignedRoot& slope) {
    CanonicalLine line{slope, {-1, 1}, {}};
    const Expr x = variable("X");
    if (!isIrrational(slope.value())) {
        return {name, line, equation(variable("Y"), termOf(slope.value(), x))};
    }
    return {
        name, line,
        relation({variable("Y"), termOf(slope.value(), x), decimalTermOf(slope.value(), x)}, "=~")};
}

void pairOnAxis(Elements& e, const std::string& first, const std::string& second,
                const SignedRoot& distance, bool alongY) {
    e.points.push_back({first, alongY ? onY(distance) : onX(distance)});
    e.points.push_back({second, alongY ? onY(-distance) : onX(-distance)});
}

void directrices(Elements& e, const SignedRoot& distance, bool alongY) {
    for (const SignedRoot& at : {distance, -distance}) {
        const std::string name = at.sign > 0 ? "direktrisa d1" : "direktrisa d2";
        e.lines.push_back(withDecimal(axisParallel(name, !alongY, 0, at), at.value()));
    }
}

Elements ellipseElements(const Form& f) {
    const AxisSquares axes = axisSquares(f);
    Elements e;
    if (axes.alongX == axes.alongY) {
        e.heading = "Kruznica:";
        e.numbers = {valueLine({variable("r")}, Radical::squareRootOf(axes.alongX))};
        e.points = {{"C", {kZero, kZero}}};
        return e;
    }
    e.heading = "Elipsa:";
    const bool alongY = (axes.alongY - axes.alongX).sign() > 0;
    const Quadratic major = alongY ? axes.alongY : axes.alongX;
    const Quadratic focal = major - (alongY ? axes.alongX : axes.alongY);
    const SignedRoot c = SignedRoot::rootOf(focal);
    const Expr a2 = power(variable("a"), 2);
    const Expr b2 = power(variable("b"), 2);
    e.numbers = {valueLine({variable("a")}, Radical::squareRootOf(axes.alongX)),
                 valueLine({variable("b")}, Radical::squareRootOf(axes.alongY)),
                 valueLine({variable("c"),
                            squareRoot(alongY ? sum({b2, negation(a2)}) : sum({a2, negation(b2)}))},
                           c.value()),
                 valueLine({variable("e"), quotient(variable("c"), variable(alongY ? "b" : "a"))},
                           SignedRoot::rootOf(focal / major).value())};
    pairOnAxis(e, "F1", "F2", c, alongY);
    pairOnAxis(e, "T1", "T2", SignedRoot::rootOf(axes.alongX), false);
    pairOnAxis(e, "T3", "T4", SignedRoot::rootOf(axes.alongY), true);
    e.points.push_back({"C", {kZero, kZero}});
    directrices(e, SignedRoot::rootOf(major * major / focal), alongY);
    return e;
}

Elements hyperbolaElements(const Form& f) {
    const AxisSquares axes = axisSquares(f);
    const bool alongY = (f.a11 * f.a33).sign() > 0;
    const Quadratic real = alongY ? axes.alongY : axes.alongX;
    const Quadratic focal = axes.alongX + axes.alongY;
    const SignedRoot c = SignedRoot::rootOf(focal);
    Elements e;
    e.heading = "Hiperbola (a realna, b imaginarna poluosa):";
    e.numbers = {
        valueLine({variable("a")}, Radical::squareRootOf(real)),
        valueLine({variable("b")}, Radical::squareRootOf(alongY ? axes.alongX : axes.alongY)),
        valueLine(
            {variable("c"), squareRoot(sum({power(variable("a"), 2), power(variable("b"), 2)}))},
            c.value()),
        valueLine({variable("e"), quotient(variable("c"), variable("a"))},
                  SignedRoot::rootOf(focal / real).value())};
    pairOnAxis(e, "F1", "F2", c, alongY);
    pairOnAxis(e, "T1", "T2", SignedRoot::rootOf(real), alongY);
    e.points.push_back({"C", {kZero, kZero}});
    const SignedRoot slope = SignedRoot::rootOf(axes.alongY / axes.alongX);
    e.lines.push_back(throughOrigin("asimptota a1", slope));
    e.lines.push_back(throughOrigin("asimptota a2", -slope));
    directrices(e, SignedRoot::rootOf(real * real / focal), alongY);
    return e;
}

Elements parabolaElements(const Form& f) {
    const Quadratic p = -f.a13 / f.a22;
    Elements e;
    e.heading = "Parabola:";
    e.numbers = {valueLine({variable("p")}, p), equation(variable("e"), integer(1))};
    e.points = {{"F", onX(SignedRoot::of(p / 2))}, {"T", {kZero, kZero}}};
    e.lines.push_back(withDecimal(axisParallel("direktrisa d", true, -p / 2, kZero), -p / 2));
    e.lines.push_back(axisParallel("osa o", false, 0, kZero));
    return e;
}

std::optional<const char*> roundAngle(const Quadratic& cosine) {
    const std::pair<Quadratic, const char*> known[] = {{Quadratic(0), "90"},
                                                       {Quadratic(Rational(1, 2)), "60"},
                                                       {Quadratic(0, Rational(1, 2), 2), "45"},
                                                       {Quadratic(0, Rational(1, 2), 3), "30"}};
    for (const auto& [value, degrees] : known) {
        if (cosine == value) {
            return degrees;
        }
    }
    return std::nullopt;
}

// Y = +-m X cross at the angle whose cosine is |1 - m^2| / (1 + m^2).
Block crossingAngle(const Quadratic& slope2) {
    const Quadratic difference = 1 - slope2;
    const Quadratic cosine = (difference.sign() < 0 ? -difference : difference) / (1 + slope2);
    const Expr cosTheta = function("cos", variable("theta"));
    const std::optional<const char*> round = roundAngle(cosine);
    if (round) {
        return sentence({words("Ugao izmedju pravih: "), math(equation(cosTheta, valueOf(cosine))),
                         words(", "), math(equation(variable("theta"), decimal(*round))),
                         words(" stepeni.")});
    }
    const long double degrees = std::acos(cosine.approximate()) * 180.0L / 3.14159265358979323846L;
    return sentence({words("Ugao izmedju pravih: "), math(valueLine({cosTheta}, cosine)),
                     words(", "),
                     math(relation({variable("theta"), decimal(decimalText(degrees))}, "~")),
                     words(" stepeni.")});
}

Elements crossingLineElements(const Form& f) {
    const Quadratic slope2 = -f.a11 / f.a22;
    const SignedRoot slope = SignedRoot::rootOf(slope2);
    Elements e;
    e.heading = "Dve prave koje se seku:";
    e.points = {{"S", {kZero, kZero}}};
    e.lines = {throughOrigin("prava p1", slope), throughOrigin("prava p2", -slope)};
    e.after.push_back(crossingAngle(slope2));
    return e;
}

Elements linePairElements(const Form& f, Ending ending, bool alongX) {
    const LinePair pair = linePair(f, alongX);
    const SignedRoot half = SignedRoot::rootOf(pair.halfWidth2);
    Elements e;
    const bool vertical = alongX;
    if (ending == Ending::DoubleLine || ending == Ending::DoubleLineAlongY) {
        e.heading = "Dvostruka prava:";
        e.lines = {withDecimal(axisParallel("prava p", vertical, pair.middle, kZero), pair.middle)};
        return e;
    }
    e.heading = "Dve paralelne prave:";
    e.numbers = {valueLine({variable("d")}, SignedRoot::rootOf(4 * pair.halfWidth2).value())};
    for (const SignedRoot& side : {half, -half}) {
        const Radical at = plus(pair.middle, side);
        e.lines.push_back(withDecimal(
            axisParallel(side.sign > 0 ? "prava p1" : "prava p2", vertical, pair.middle, side),
            at));
    }
    e.lines.push_back(
        withDecimal(axisParallel("srednja prava s", vertical, pair.middle, kZero), pair.middle));
    return e;
}

bool isRationalLine(const PlaneLine& l) {
    return !isIrrational(l.a) && !isIrrational(l.b) && !isIrrational(l.c);
}

// Its first coefficient 1, or, with rational coefficients, the least integers with the first
// one positive.
PlaneLine normalised(PlaneLine l) {
    const Radical lead = l.a.sign() != 0 ? l.a : l.b;
    l = {l.a / lead, l.b / lead, l.c / lead};
    if (!isRationalLine(l)) {
        return l;
    }
    Integer common = 1;
    for (const Radical* r : {&l.a, &l.b, &l.c}) {
        common = lcm(common, boost::multiprecision::denominator(r->base().rational()));
    }
    const Radical factor = Quadratic(Rational(common));
    return {l.a * factor, l.b * factor, l.c * factor};
}

Expr lineSum(const PlaneLine& l) {
    std::vector<Expr> terms;
    const std::pair<const Radical*, const char*> parts[] = {{&l.a, "x"}, {&l.b, "y"}, {&l.c, ""}};
    for (const auto& [coefficient, name] : parts) {
        if (coefficient->sign() != 0) {
            terms.push_back(termOf(*coefficient, *name ? variable(name) : nullptr));
        }
    }
    return sum(terms);
}

// The same equation with its coefficients as decimals.
Expr decimalLine(const PlaneLine& l) {
    std::vector<Expr> terms;
    const std::pair<const Radical*, const char*> parts[] = {{&l.a, "x"}, {&l.b, "y"}, {&l.c, ""}};
    for (const auto& [coefficient, name] : parts) {
        if (coefficient->sign() != 0) {
            terms.push_back(decimalTermOf(*coefficient, *name ? variable(name) : nullptr));
        }
    }
    return equation(sum(terms), integer(0));
}

std::vector<Phrase> lineSentence(const NamedLine& named, const PlaneLine& typed) {
    std::vector<Phrase> phrases = {words(named.name + ": "), math(named.canonical),
                                   words(", u zadatom sistemu "),
                                   math(equation(lineSum(typed), integer(0)))};
    if (!isRationalLine(typed)) {
        phrases.push_back(words(", priblizno "));
        phrases.push_back(math(decimalLine(typed)));
    }
    phrases.push_back(words("."));
    return phrases;
}

} // namespace

std::pair<Radical, Radical> Solver::pointInPlane(const CanonicalPoint& p) const {
    const SignedRoot& u = frame.exchanged ? p.y : p.x;
    const SignedRoot& v = frame.exchanged ? p.x : p.y;
    // One coordinate is 0 for every element: x = c u - s v + tx, y = s u + c v + ty.
    Radical x = frame.tx;
    Radical y = frame.ty;
    if (u.sign != 0) {
        x = plus(x, frame.cosine * u);
        y = plus(y, frame.sine * u);
    } else if (v.sign != 0) {
        x = plus(x, -(frame.sine * v));
        y = plus(y, frame.cosine * v);
    }
    return {x, y};
}

// alpha X + beta Y + gamma = 0 with X, Y as the typed x, y give it; divided by cos phi, which is
// never 0 (the angle lies within +-45 degrees), its coefficients are quadratic numbers but
// for one root.
PlaneLine Solver::lineInPlane(const CanonicalLine& l) const {
    const SignedRoot& onU = frame.exchanged ? l.beta : l.alpha;
    const SignedRoot& onV = frame.exchanged ? l.alpha : l.beta;
    // One of alpha, beta is 0 or 1 and the other may be a root m: a and b keep m's root.
    const Radical t = frame.tangent;
    const Radical a = onU.value() - onV.value() * t;
    const Radical b = onU.value() * t + onV.value();
    // The free term: gamma / cos phi, then the shift of the origin.
    Radical c = -(a * Radical(frame.tx) + b * Radical(frame.ty));
    for (const SignedRoot& term : l.gamma) {
        c = plus(c, term / frame.cosine);
    }
    return normalised({a, b, c});
}

namespace {

Elements elementsOf(const Form& f, const ReductionPath& path) {
    switch (path.ending) {
    case Ending::Ellipse:
        return ellipseElements(f);
    case Ending::Hyperbola:
        return hyperbolaElements(f);
    case Ending::Parabola:
        return parabolaElements(f);
    case Ending::IntersectingLines:
        return crossingLineElements(f);
    case Ending::SinglePoint: {
        Elements e;
        e.heading = "Jedna tacka:";
        e.points = {{"T", {kZero, kZero}}};
        return e;
    }
    default:
        return linePairElements(f, path.ending, path.squareInX);
    }
}

} // namespace

CurveNumbers curveNumbers(const Form& canonical, const ReductionPath& path) {
    switch (path.ending) {
    case Ending::ImaginaryEllipse:
        return {"Imaginarna elipsa:", {}};
    case Ending::EmptyPair:
        return {"Par imaginarnih paralelnih pravih:", {}};
    default: {
        const Elements e = elementsOf(canonical, path);
        return {e.heading, e.numbers};
    }
    }
}

namespace {

// k * l1 * l2, the typed equation multiplied out; k from the first second-order coefficient the
// product has. A product that differs from the typed equation is a fault of the solution.
Block productOfLines(const ExactConic& typed, const PlaneLine& l1, const PlaneLine& l2, bool same) {
    const Radical terms[6] = {l1.a * l2.a,
                              l1.a * l2.b + l2.a * l1.b,
                              l1.b * l2.b,
                              l1.a * l2.c + l2.a * l1.c,
                              l1.b * l2.c + l2.b * l1.c,
                              l1.c * l2.c};
    const Rational want[6] = {typed.a11,     2 * typed.a12, typed.a22,
                              2 * typed.a13, 2 * typed.a23, typed.a33};
    int lead = 0;
    while (terms[lead].sign() == 0) {
        ++lead;
    }
    const Radical k = Radical(Quadratic(want[lead])) / terms[lead];
    for (int i = 0; i < 6; ++i) {
        if (!(k * terms[i] == Radical(Quadratic(want[i])))) {
            throw std::logic_error("the lines do not multiply out to the typed equation");
        }
    }
    const Expr factors = same ? power(lineSum(l1), 2) : product({lineSum(l1), lineSum(l2)});
    return sentence({words("Jednacina kao proizvod pravih: "),
                     math(equation(termOf(k, factors), integer(0))), words(".")});
}

} // namespace

void Solver::elements() {
    section("Elementi krive");
    if (path.ending == Ending::ImaginaryEllipse || path.ending == Ending::EmptyPair) {
        add(sentence({words("Kriva nema nijednu realnu tacku, pa nema ni elemenata.")}));
        return;
    }
    const Elements e = elementsOf(form, path);
    add(sentence({words(e.heading)}));
    if (!e.numbers.empty()) {
        add(display(e.numbers));
    }
    std::vector<Expr> canonical;
    std::vector<Expr> inPlane;
    for (const NamedPoint& p : e.points) {
        canonical.push_back(pointLine(p.label, p.at.x.value(), p.at.y.value()));
        const auto [x, y] = pointInPlane(p.at);
        inPlane.push_back(pointLine(p.label, x, y));
    }
    if (!canonical.empty()) {
        add(sentence({words("Tacke u kanonskom sistemu (X, Y):")}));
        add(display(canonical));
        add(sentence({words("i u zadatom sistemu (x, y):")}));
        add(display(inPlane));
    }
    std::vector<PlaneLine> curveLines;
    for (const NamedLine& l : e.lines) {
        const PlaneLine typedLine = lineInPlane(l.line);
        add(sentence(lineSentence(l, typedLine)));
        if (l.name.rfind("prava p", 0) == 0) {
            curveLines.push_back(typedLine);
        }
    }
    if (curveLines.size() == 2) {
        add(productOfLines(typed, curveLines[0], curveLines[1], false));
    } else if (curveLines.size() == 1) {
        add(productOfLines(typed, curveLines[0], curveLines[0], true));
    }
    for (const Block& block : e.after) {
        add(block);
    }
}
