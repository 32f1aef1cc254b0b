// The canonical form as a textbook writes it, oriented as the curve is drawn, and the map from
// the canonical coordinates back to the typed ones.
#include "solution/solver.h"
#include "solution/values.h"

#include <stdexcept>

namespace {

// X^2/A, written 6*X^2/17 for a rational A.
Expr squareOver(const std::string& coordinate, const Quadratic& divisor, const NumberStyle& n) {
    const Expr square = power(variable(coordinate), 2);
    if (divisor.isRational()) {
        return n.term(Quadratic(1) / divisor, square);
    }
    return quotient(square, n.value(divisor));
}

Expr centralForm(const Form& form, Ending ending, const NumberStyle& n) {
    const Quadratic& k1 = form.a11;
    const Quadratic& f = form.a33;
    if (f == 0) {
        // X^2 + k Y^2 = 0: a single point, or two lines when k < 0.
        const Quadratic k = form.a22 / k1;
        return equation(sum({power(variable("X"), 2), n.term(k, power(variable("Y"), 2))}),
                        integer(0));
    }
    const AxisSquares axes = axisSquares(form);
    const Expr x = squareOver("X", axes.alongX, n);
    const Expr y = squareOver("Y", axes.alongY, n);
    switch (ending) {
    case Ending::Ellipse:
        if (axes.alongX == axes.alongY) {
            // A circle: X^2 + Y^2 = r^2.
            return equation(sum({power(variable("X"), 2), power(variable("Y"), 2)}),
                            n.value(axes.alongX));
        }
        return equation(sum({x, y}), integer(1));
    case Ending::ImaginaryEllipse:
        return equation(sum({x, y}), integer(-1));
    default:
        // A hyperbola: the branches cross the X axis where k1 and f have opposite signs.
        return (k1 * f).sign() < 0 ? equation(sum({x, negation(y)}), integer(1))
                                   : equation(sum({negation(x), y}), integer(1));
    }
}

Expr linePairForm(const LinePair& pair, const NumberStyle& n) {
    const Expr coordinate = variable(pair.alongX ? "X" : "Y");
    const Expr shifted = pair.middle == 0 ? coordinate : sum({coordinate, n.value(-pair.middle)});
    return equation(power(shifted, 2), n.value(pair.halfWidth2));
}

Expr formOfEnding(const Form& form, const ReductionPath& path, const NumberStyle& n) {
    switch (path.ending) {
    case Ending::Parabola:
        // k Y^2 + 2 b X = 0 is Y^2 = 2p X.
        return equation(power(variable("Y"), 2), n.term(-2 * form.a13 / form.a22, variable("X")));
    case Ending::ParallelLines:
    case Ending::DoubleLine:
    case Ending::LinesAlongY:
    case Ending::DoubleLineAlongY:
    case Ending::EmptyPair:
        return linePairForm(linePair(form, path.squareInX), n);
    default:
        return centralForm(form, path.ending, n);
    }
}

// x = c X - s Y + tx, the coefficients exactly or as decimals; '~' between the sides then.
Expr mapLine(const char* typed, const SignedRoot& ofX, const SignedRoot& ofY,
             const Quadratic& shift, const NumberStyle& n) {
    std::vector<Expr> terms;
    if (ofX.sign != 0) {
        terms.push_back(n.term(ofX.value(), variable("X")));
    }
    if (ofY.sign != 0) {
        terms.push_back(n.term(ofY.value(), variable("Y")));
    }
    if (shift != 0) {
        terms.push_back(n.value(shift));
    }
    return relation({variable(typed), sum(terms)}, &n == &kExactNumbers ? "=" : "~");
}

bool isIrrational(const SignedRoot& r) {
    return isIrrational(r.value());
}

} // namespace

Quadratic quadraticOf(const Radical& value) {
    if (!value.isQuadratic()) {
        throw std::logic_error("a radical where a quadratic number was expected");
    }
    return value.base();
}

AxisSquares axisSquares(const Form& canonical) {
    const auto size = [](const Quadratic& q) { return q.sign() < 0 ? -q : q; };
    return {size(canonical.a33 / canonical.a11), size(canonical.a33 / canonical.a22)};
}

LinePair linePair(const Form& c, bool alongX) {
    const Quadratic& k = alongX ? c.a11 : c.a22;
    const Quadratic& b = alongX ? c.a13 : c.a23;
    return {alongX, -b / k, (b * b - k * c.a33) / (k * k)};
}

void Solver::canonicalForm() {
    section("Kanonski oblik");
    add(display({formOfEnding(form, path, kExactNumbers)}));
    if (isIrrational(form)) {
        add(sentence(
            {words("priblizno "), math(formOfEnding(form, path, kDecimalNumbers)), words(".")}));
    }
}

void Solver::mapBack() {
    section("Veza koordinata");
    if (steps == 0) {
        add(sentence({words("Zadate koordinate su vec kanonske: X = x, Y = y.")}));
        return;
    }
    // x = c U - s V + tx, y = s U + c V + ty, with (U, V) = (Y, X) after the exchange.
    const SignedRoot& c = frame.cosine;
    const SignedRoot& s = frame.sine;
    const SignedRoot& xOfX = frame.exchanged ? -s : c;
    const SignedRoot& xOfY = frame.exchanged ? c : -s;
    const SignedRoot& yOfX = frame.exchanged ? c : s;
    const SignedRoot& yOfY = frame.exchanged ? s : c;
    add(sentence({words("Zadate koordinate izrazene kanonskim:")}));
    const auto lines = [&](const NumberStyle& n) {
        return std::vector<Expr>{mapLine("x", xOfX, xOfY, frame.tx, n),
                                 mapLine("y", yOfX, yOfY, frame.ty, n)};
    };
    add(display(lines(kExactNumbers)));
    if (isIrrational(c) || isIrrational(s) || !frame.tx.isRational() || !frame.ty.isRational()) {
        const std::vector<Expr> approximate = lines(kDecimalNumbers);
        add(sentence({words("priblizno "), math(approximate[0]), words(", "), math(approximate[1]),
                      words(".")}));
    }
}
