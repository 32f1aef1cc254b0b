// The sections of the solution up to the canonical frame: the equation, the invariants and the
// kind, the centre, the rotation, the vertex and the exchange of the axes.
#include "solution/solver.h"
#include "solution/values.h"

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

Expr name(const std::string& text) {
    return variable(text);
}

// u - u0, written u when u0 is 0.
Expr shifted(const std::string& coordinate, const Quadratic& by) {
    if (by == 0) {
        return name(coordinate);
    }
    return sum({name(coordinate), valueOf(-by)});
}

// "x = x' + 2"
Expr substitution(const std::string& old, const std::string& replacement, const Quadratic& by) {
    return equation(name(old), by == 0 ? name(replacement) : sum({name(replacement), valueOf(by)}));
}

// The centre: a11 x0 + a12 y0 + a13 = 0 with numbers.
Expr centreEquation(const Quadratic& first, const Quadratic& second, const Quadratic& free) {
    std::vector<Expr> terms;
    if (first != 0) {
        terms.push_back(termOf(first, name("x0")));
    }
    if (second != 0) {
        terms.push_back(termOf(second, name("y0")));
    }
    if (free != 0 || terms.empty()) {
        terms.push_back(termOf(free, nullptr));
    }
    return equation(sum(terms), integer(0));
}

std::string kindSentence(Ending ending) {
    switch (ending) {
    case Ending::Ellipse:
        return "kriva je realna elipsa.";
    case Ending::ImaginaryEllipse:
        return "kriva je imaginarna elipsa: nema nijednu realnu tacku.";
    case Ending::SinglePoint:
        return "kriva je jedna tacka (par imaginarnih pravih koje se seku u njoj).";
    case Ending::Hyperbola:
        return "kriva je hiperbola.";
    case Ending::IntersectingLines:
        return "kriva je par pravih koje se seku.";
    case Ending::Parabola:
        return "kriva je parabola.";
    case Ending::ParallelLines:
    case Ending::LinesAlongY:
        return "kriva je par paralelnih pravih.";
    case Ending::DoubleLine:
    case Ending::DoubleLineAlongY:
        return "kriva je dvostruka prava.";
    default:
        return "kriva je par imaginarnih paralelnih pravih: nema nijednu realnu tacku.";
    }
}

// "I2 > 0 i I1*I3 = -16848 < 0" and the like: the signs that decide the kind.
std::vector<Phrase> kindRule(const ConicInvariants& inv, const Rational& i1, const Rational& i3,
                             const Rational& k) {
    const auto sign = [](int s) { return s > 0 ? ">" : s < 0 ? "<" : "="; };
    std::vector<Phrase> rule = {
        words("Posto je "), math(relation({name("I2"), integer(0)}, sign(inv.quadraticDetSign)))};
    if (inv.quadraticDetSign > 0 && inv.fullDetSign != 0) {
        rule.push_back(words(" i "));
        rule.push_back(
            math(relation({product({name("I1"), name("I3")}), valueOf(i1 * i3), integer(0)},
                          std::string("=") + sign((i1 * i3).sign()))));
    } else {
        rule.push_back(words(" i "));
        rule.push_back(math(relation({name("I3"), integer(0)}, inv.fullDetSign == 0 ? "=" : "#")));
        if (inv.quadraticDetSign == 0 && inv.fullDetSign == 0) {
            rule.push_back(words(" i "));
            rule.push_back(math(
                relation({name("K"), valueOf(k), integer(0)}, std::string("=") + sign(inv.kSign))));
        }
    }
    rule.push_back(words(", "));
    return rule;
}

} // namespace

void Solver::showForm() {
    add(display({equationOf(form, current())}));
    if (isIrrational(form)) {
        add(sentence(
            {words("priblizno "), math(approximateEquationOf(form, current())), words(".")}));
    }
}

void Solver::typedEquation() {
    section("Zadata jednacina");
    // In the typed coordinates, even where they are already the canonical ones.
    add(display({equationOf(form, {"x", "y"})}));
    const std::pair<const char*, const Quadratic*> entries[] = {
        {"a11", &form.a11}, {"a12", &form.a12}, {"a22", &form.a22},
        {"a13", &form.a13}, {"a23", &form.a23}, {"a33", &form.a33}};
    std::vector<Phrase> list = {words("Elementi matrice krive: ")};
    for (const auto& [entry, value] : entries) {
        list.push_back(math(equation(name(entry), valueOf(*value))));
        list.push_back(words(entry == std::string("a33") ? " " : ", "));
    }
    list.push_back(words("("));
    list.push_back(math(variable("a12")));
    list.push_back(words(", "));
    list.push_back(math(variable("a13")));
    list.push_back(words(" i "));
    list.push_back(math(variable("a23")));
    list.push_back(words(" su polovine koeficijenata uz "));
    list.push_back(math(product({variable("x"), variable("y")})));
    list.push_back(words(", "));
    list.push_back(math(variable("x")));
    list.push_back(words(" i "));
    list.push_back(math(variable("y")));
    list.push_back(words(")."));
    add(sentence(list));
}

void Solver::invariantsAndKind() {
    section("Invarijante i vrsta krive");
    const ExactConic& c = typed;
    const Rational i1 = c.a11 + c.a22;
    const Rational i2 = c.a11 * c.a22 - c.a12 * c.a12;
    const Rational i3 = c.a11 * (c.a22 * c.a33 - c.a23 * c.a23) -
                        c.a12 * (c.a12 * c.a33 - c.a23 * c.a13) +
                        c.a13 * (c.a12 * c.a23 - c.a22 * c.a13);
    const Rational k = c.a11 * c.a33 - c.a13 * c.a13 + c.a22 * c.a33 - c.a23 * c.a23;
    std::vector<Expr> lines = {
        valueLine({name("I1"), sum({name("a11"), name("a22")})}, Quadratic(i1)),
        valueLine({name("I2"),
                   sum({product({name("a11"), name("a22")}), negation(power(name("a12"), 2))})},
                  Quadratic(i2)),
        valueLine({name("I3"), determinant({valueOf(c.a11), valueOf(c.a12), valueOf(c.a13),
                                            valueOf(c.a12), valueOf(c.a22), valueOf(c.a23),
                                            valueOf(c.a13), valueOf(c.a23), valueOf(c.a33)},
                                           3)},
                  Quadratic(i3))};
    if (!path.central && invariants.fullDetSign == 0) {
        lines.push_back(
            valueLine({name("K"),
                       sum({product({name("a11"), name("a33")}), negation(power(name("a13"), 2)),
                            product({name("a22"), name("a33")}), negation(power(name("a23"), 2))})},
                      Quadratic(k)));
    }
    add(display(lines));
    std::vector<Phrase> rule = kindRule(invariants, i1, i3, k);
    rule.push_back(words(kindSentence(path.ending)));
    add(sentence(rule));
}

void Solver::centre() {
    section("Centar i translacija");
    const Quadratic det = form.a11 * form.a22 - form.a12 * form.a12;
    const Quadratic x0 = (form.a12 * form.a23 - form.a13 * form.a22) / det;
    const Quadratic y0 = (form.a12 * form.a13 - form.a11 * form.a23) / det;
    add(sentence({words("Centar "), math(tuple({name("x0"), name("y0")})),
                  words(" je resenje sistema "),
                  math(equation(sum({product({name("a11"), name("x0")}),
                                     product({name("a12"), name("y0")}), name("a13")}),
                                integer(0))),
                  words(", "),
                  math(equation(sum({product({name("a12"), name("x0")}),
                                     product({name("a22"), name("y0")}), name("a23")}),
                                integer(0))),
                  words(":")}));
    add(display({centreEquation(form.a11, form.a12, form.a13),
                 centreEquation(form.a12, form.a22, form.a23),
                 equation(tuple({name("x0"), name("y0")}), tuple({valueOf(x0), valueOf(y0)}))}));
    const Coordinates from = current();
    const Coordinates to = names(step + 1);
    form = translated(form, x0, y0);
    add(sentence({words("Translacija "), math(substitution(from.u, to.u, x0)), words(", "),
                  math(substitution(from.v, to.v, y0)),
                  words(" prenosi koordinatni pocetak u centar; slobodan clan postaje "),
                  math(equation(quotient(name("I3"), name("I2")), valueOf(form.a33))),
                  words(":")}));
    ++step;
    showForm();
    frame.tx = x0;
    frame.ty = y0;
}

namespace {

// tg phi for the angles a textbook names: 15, 22.5, 30 and 45 degrees, and their negatives.
std::optional<std::string> roundAngle(const Quadratic& tangent) {
    const Quadratic size = tangent.sign() < 0 ? -tangent : tangent;
    const std::string sign = tangent.sign() < 0 ? "-" : "";
    const std::pair<Quadratic, const char*> known[] = {{Quadratic(1), "45"},
                                                       {Quadratic(0, Rational(1, 3), 3), "30"},
                                                       {Quadratic(-1, 1, 2), "22.5"},
                                                       {Quadratic(2, -1, 3), "15"}};
    for (const auto& [value, degrees] : known) {
        if (size == value) {
            return sign + degrees;
        }
    }
    return std::nullopt;
}

std::vector<Phrase> angleInDegrees(const Quadratic& tangent) {
    const std::optional<std::string> round = roundAngle(tangent);
    if (round) {
        return {math(equation(variable("phi"), decimal(*round))), words(" stepeni.")};
    }
    const long double degrees = std::atan(tangent.approximate()) * 180.0L / 3.14159265358979323846L;
    return {math(relation({variable("phi"), decimal(decimalText(degrees))}, "~")),
            words(" stepeni.")};
}

// x' = X cos phi - Y sin phi, y' = X sin phi + Y cos phi
std::vector<Phrase> rotationSubstitution(const Coordinates& from, const Coordinates& to) {
    const Expr cosine = function("cos", variable("phi"));
    const Expr sine = function("sin", variable("phi"));
    const Expr u = variable(to.u);
    const Expr v = variable(to.v);
    return {
        words("Smena "),
        math(equation(variable(from.u), sum({product({u, cosine}), negation(product({v, sine}))}))),
        words(", "),
        math(equation(variable(from.v), sum({product({u, sine}), product({v, cosine})}))),
        words(" daje:")};
}

} // namespace

void Solver::rotation() {
    section("Rotacija");
    const Quadratic difference = form.a11 - form.a22;
    const Expr twoPhi = product({integer(2), variable("phi")});
    if (difference != 0) {
        add(display({valueLine(
            {function("tg", twoPhi), quotient(product({integer(2), variable("a12")}),
                                              sum({variable("a11"), negation(variable("a22"))}))},
            2 * form.a12 / difference)}));
    } else {
        add(sentence({words("Posto je "), math(equation(name("a11"), name("a22"))),
                      words(", ugao je "),
                      math(equation(twoPhi, decimal(form.a12.sign() > 0 ? "90" : "-90"))),
                      words(" stepeni.")}));
    }
    // The eigenvalues; the first is the larger when a11 >= a22, as the angle within +-45
    // degrees gives it.
    const Quadratic trace = form.a11 + form.a22;
    const Quadratic det = form.a11 * form.a22 - form.a12 * form.a12;
    const Quadratic root =
        Quadratic::squareRootOf((difference * difference + 4 * form.a12 * form.a12).rational());
    const Quadratic first = (trace + (path.largerFirst ? root : -root)) / 2;
    const Quadratic second = trace - first;
    const Expr lambda = variable("lambda");
    add(sentence({words("Koeficijenti uz kvadrate posle rotacije su koreni jednacine "),
                  math(equation(sum({power(lambda, 2), negation(product({variable("I1"), lambda})),
                                     variable("I2")}),
                                integer(0))),
                  words(":")}));
    std::vector<Expr> characteristic = {power(lambda, 2)};
    if (trace != 0) {
        characteristic.push_back(termOf(-trace, lambda));
    }
    if (det != 0) {
        characteristic.push_back(termOf(det, nullptr));
    }
    add(display({equation(sum(characteristic), integer(0)), valueLine({variable("lambda1")}, first),
                 valueLine({variable("lambda2")}, second)}));

    const Quadratic tangent = (first - form.a11) / form.a12;
    // cos 2phi = |a11 - a22| / sqrt(D) >= 0, then the half angle.
    const Quadratic cos2 = (difference.sign() < 0 ? -difference : difference) / root;
    frame.cosine = SignedRoot::rootOf((1 + cos2) / 2);
    frame.sine = {tangent.sign(), (1 - cos2) / 2};
    frame.tangent = tangent;
    add(display({valueLine({function("tg", variable("phi")),
                            quotient(sum({variable("lambda1"), negation(variable("a11"))}),
                                     variable("a12"))},
                           tangent),
                 valueLine({function("cos", variable("phi"))}, frame.cosine.value()),
                 valueLine({function("sin", variable("phi"))}, frame.sine.value())}));
    add(sentence(angleInDegrees(tangent)));

    const Coordinates from = current();
    ++step;
    add(sentence(rotationSubstitution(from, current())));
    if (path.central) {
        form = {first, 0, second, 0, 0, form.a33};
    } else {
        form = rotated(form, quadraticOf(frame.cosine.value()), quadraticOf(frame.sine.value()));
        if (form.a12 != 0) {
            throw std::logic_error("the rotation left an x*y term");
        }
    }
    showForm();
}

void Solver::vertex() {
    section("Teme i translacija");
    const Coordinates from = current();
    const bool inU = path.squareInX;
    // k (u - u0)^2 + 2 b (v - v0) = 0, or the same with u and v exchanged.
    const Quadratic k = inU ? form.a11 : form.a22;
    const Quadratic square = inU ? form.a13 : form.a23;
    const Quadratic linear = inU ? form.a23 : form.a13;
    const Quadratic along = -square / k;
    const Quadratic across = (square * square - k * form.a33) / (2 * k * linear);
    const Quadratic u0 = inU ? along : across;
    const Quadratic v0 = inU ? across : along;
    const std::string& squared = inU ? from.u : from.v;
    const std::string& other = inU ? from.v : from.u;
    add(sentence({words("Dopuna do potpunog kvadrata daje:")}));
    add(display({equation(sum({termOf(k, power(shifted(squared, along), 2)),
                               termOf(2 * linear, shifted(other, across))}),
                          integer(0))}));
    const Coordinates to = names(step + 1);
    add(sentence({words("Teme je u tacki "), math(tuple({valueOf(u0), valueOf(v0)})),
                  words("; translacija "), math(substitution(from.u, to.u, u0)), words(", "),
                  math(substitution(from.v, to.v, v0)), words(" daje:")}));
    form = translated(form, u0, v0);
    ++step;
    showForm();
    // The vertex in the typed plane: turned back with the rotation before it.
    const Quadratic c = quadraticOf(frame.cosine.value());
    const Quadratic s = quadraticOf(frame.sine.value());
    frame.tx = c * u0 - s * v0;
    frame.ty = s * u0 + c * v0;
}

void Solver::exchange() {
    section("Zamena osa");
    const Coordinates from = current();
    ++step;
    const Coordinates to = current();
    form = exchanged(form);
    frame.exchanged = true;
    add(sentence({words("Zamena osa "), math(equation(variable(from.u), variable(to.v))),
                  words(", "), math(equation(variable(from.v), variable(to.u))), words(" daje:")}));
    showForm();
}
