#pragma once

#include "document/expression.h"
#include "exact/exact_conic.h"
#include "exact/quadratic.h"

#include <string>

// The equation a11 u^2 + 2 a12 u v + a22 v^2 + 2 a13 u + 2 a23 v + a33 = 0 in the coordinates
// of one step of the reduction; the coefficients are quadratic numbers of one radicand.
struct Form {
    Quadratic a11, a12, a22, a13, a23, a33;
};

// The names of the coordinates of a step: x, y as typed, then x', y', x'', y'', ..., and X, Y
// for the canonical ones.
struct Coordinates {
    std::string u;
    std::string v;
};

Form formOf(const ExactConic& conic);

// "5*x^2 + 4*x*y + 8*y^2 - 32*x - 56*y + 80 = 0"
Expr equationOf(const Form& form, const Coordinates& names);

// With a coefficient that is not rational, the same equation with decimal coefficients.
bool isIrrational(const Form& form);
Expr approximateEquationOf(const Form& form, const Coordinates& names);

// The form in U, V where u = U + u0, v = V + v0.
Form translated(const Form& form, const Quadratic& u0, const Quadratic& v0);
// The form in U, V where u = U cos - V sin, v = U sin + V cos.
Form rotated(const Form& form, const Quadratic& cosine, const Quadratic& sine);
// The form in U, V where u = V, v = U.
Form exchanged(const Form& form);
