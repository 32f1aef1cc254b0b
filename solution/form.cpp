#include "solution/form.h"

#include "solution/values.h"

#include <utility>

Form formOf(const ExactConic& c) {
    return {c.a11, c.a12, c.a22, c.a13, c.a23, c.a33};
}

namespace {

using TermWriter = Expr (*)(const Radical&, const Expr&);

Expr equationWith(const Form& f, const Coordinates& names, TermWriter write) {
    const Expr u = variable(names.u);
    const Expr v = variable(names.v);
    const std::pair<Quadratic, Expr> terms[] = {{f.a11, power(u, 2)}, {2 * f.a12, product({u, v})},
                                                {f.a22, power(v, 2)}, {2 * f.a13, u},
                                                {2 * f.a23, v},       {f.a33, nullptr}};
    std::vector<Expr> written;
    for (const auto& [coefficient, monomial] : terms) {
        if (coefficient != 0) {
            written.push_back(write(coefficient, monomial));
        }
    }
    return equation(written.empty() ? integer(0) : sum(written), integer(0));
}

} // namespace

Expr equationOf(const Form& f, const Coordinates& names) {
    return equationWith(f, names, termOf);
}

bool isIrrational(const Form& f) {
    for (const Quadratic* q : {&f.a11, &f.a12, &f.a22, &f.a13, &f.a23, &f.a33}) {
        if (!q->isRational()) {
            return true;
        }
    }
    return false;
}

Expr approximateEquationOf(const Form& f, const Coordinates& names) {
    return equationWith(f, names, decimalTermOf);
}

Form translated(const Form& f, const Quadratic& u0, const Quadratic& v0) {
    // The linear terms take the gradient at (u0, v0); the free term is the value there.
    const Quadratic a13 = f.a11 * u0 + f.a12 * v0 + f.a13;
    const Quadratic a23 = f.a12 * u0 + f.a22 * v0 + f.a23;
    const Quadratic a33 = f.a11 * u0 * u0 + 2 * f.a12 * u0 * v0 + f.a22 * v0 * v0 + 2 * f.a13 * u0 +
                          2 * f.a23 * v0 + f.a33;
    return {f.a11, f.a12, f.a22, a13, a23, a33};
}

Form rotated(const Form& f, const Quadratic& c, const Quadratic& s) {
    return {f.a11 * c * c + 2 * f.a12 * s * c + f.a22 * s * s,
            (f.a22 - f.a11) * s * c + f.a12 * (c * c - s * s),
            f.a11 * s * s - 2 * f.a12 * s * c + f.a22 * c * c,
            f.a13 * c + f.a23 * s,
            f.a23 * c - f.a13 * s,
            f.a33};
}

Form exchanged(const Form& f) {
    return {f.a22, f.a12, f.a11, f.a23, f.a13, f.a33};
}
