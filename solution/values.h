#pragma once

#include "document/expression.h"
#include "exact/radical.h"

#include <string>
#include <vector>

// Exact numbers as expressions, simplified as a textbook writes them: fractions reduced, square
// factors out of every radicand, a nested root denested where it can be, one denominator
// for a sum ("(1 + sqrt(13))/2"), the minus sign in front.
Expr valueOf(const Rational& value);
Expr valueOf(const Quadratic& value);
Expr valueOf(const Radical& value);

bool isIrrational(const Radical& value);

// Four significant digits: "2.236", "0.7454", "-26.57".
std::string decimalText(long double value);

// The same term with the coefficient as a decimal: "1.303*X^2", "- 0.4472*Y".
Expr decimalTermOf(const Radical& coefficient, const Expr& monomial);
// The value as a decimal, an integer as it is.
Expr decimalValueOf(const Radical& value);

// How the numbers of an equation are written: exactly, or as decimals.
struct NumberStyle {
    Expr (*value)(const Radical&);
    Expr (*term)(const Radical&, const Expr&);
};
extern const NumberStyle kExactNumbers;
extern const NumberStyle kDecimalNumbers;

// left = ... = the value, and its decimal beside where it is irrational: "c = sqrt(a^2 - b^2)
// = sqrt(5) ~ 2.236".
Expr valueLine(std::vector<Expr> left, const Radical& value);

// coefficient * monomial as a term of a sum (a negation when the coefficient is negative):
// "x^2", "-32*x", "2*x^2/3", "(1 + sqrt(13))/2*X^2". A null monomial gives the coefficient.
Expr termOf(const Radical& coefficient, const Expr& monomial);
