// The canonical form as a textbook writes it, oriented as the curve is drawn, and the map from
// the canonical coordinates back to the typed ones.
#include "solution/solver.h"
#include "solution/values.h"

#include <stdexcept>

namespace {

// X^2/A, written 6*X^2/17 for a rational A.
Expr squareOver(const std::string& coordinate, const Quadratic& divisor) {
    const Expr square = power(variable(coordinate), 2);
    if (divisor.isRational()) {
        return termOf(Quadratic(1) / divisor, square);
    }
    return quotient(square, valueOf(divisor));
}

Expr centralForm(const Solver& s) {
    const Quadratic& k1 = s.form.a11;
    const Quadratic& f = s.form.a33;
    if (f == 0) {
        // X^2 + k Y^2 = 0: a single point, or two lines when k < 0.
        const Quadratic k = s.form.a22 / k1;
        return equation(sum({power(variable("X"), 2), termOf(k, power(variable("Y"), 2))}),
                        integer(0));
    }
    const AxisSquares axes = axisSquares(s.form);
    const Expr x = squareOver("X", axes.alongX);
    const Expr y = squareOver("Y", axes.alongY);
    switch (s.path.ending) {
    case Ending::Ellipse:
        if (axes.alongX == axes.alongY) {
            // A circle: X^2 + Y^2 = r^2.
            return equation(sum({power(variable("X"), 2), power(variable("Y"), 2)}),
                            valueOf(axes.alongX));
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

Expr linePairForm(const LinePair& pair) {
    const Expr coordinate = variable(pair.alongX ? "X" : "Y");
    const Expr shifted = pair.middle == 0 ? coordinate : sum({coordinate, valueOf(-pair.middle)});
    return equation(power(shifted, 2), valueOf(pair.halfWidth2));
}

// The coefficient of X or Y in x or y.
Expr mapTerm(const SignedRoot& coefficient, const char* coordinate) {
    return termOf(coefficient.value(), variable(coordinate));
}

Expr mapLine(const char* typed, const SignedRoot& ofX, const SignedRoot& ofY,
             const Quadratic& shift) {
    std::vector<Expr> terms;
    if (ofX.sign != 0) {
        terms.push_back(mapTerm(ofX, "X"));
    }
    if (ofY.sign != 0) {
        terms.push_back(mapTerm(ofY, "Y"));
    }
    if (shift != 0) {
        terms.push_back(valueOf(shift));
    }
    return equation(variable(typed), sum(terms));
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
    Expr form;
    switch (path.ending) {
    case Ending::Parabola:
        // k Y^2 + 2 b X = 0 is Y^2 = 2p X.
        form = equation(power(variable("Y"), 2), termOf(-2 * this->form.a13 / this->form.a22,
                                                         variable("X")));
        break;
    case Ending::ParallelLines:
    case Ending::DoubleLine:
    case Ending::LinesAlongY:
    case Ending::DoubleLineAlongY:
    case Ending::EmptyPair:
        form = linePairForm(linePair(this->form, path.squareInX));
        break;
    default:
        form = centralForm(*this);
    }
    add(display({form}));
}

void Solver::mapBack() {
    section("Veza koordinata");
    if (steps == 0) {
        add(sentence({words("Zadate koordinate su vec kanonske: X = x, Y = y.")}));
        return;
    }
    // x = c U - s V + tx, y = s U + c V + ty, with (U, V) = (Y, X) after the exchange.
    const SignedRoot& c = frame.cosine;
    const SignedRoot minusS = -frame.sine;
    const SignedRoot& s = frame.sine;
    add(sentence({words("Zadate koordinate izrazene kanonskim:")}));
    if (frame.exchanged) {
        add(display({mapLine("x", minusS, c, frame.tx), mapLine("y", c, s, frame.ty)}));
    } else {
        add(display({mapLine("x", c, minusS, frame.tx), mapLine("y", s, c, frame.ty)}));
    }
}
