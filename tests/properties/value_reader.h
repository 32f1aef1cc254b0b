#pragma once

#include "exact/quadratic.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The test's own reader of the values that the exact text writes, by the grammar the README
// gives: integers, "/", "sqrt( )", "+ - * ^", parentheses and the variables X and Y.
struct ValueNode {
    char op; // 'n' number, 'v' variable, '+', '*', '/', '^', '-' (negation), 'r' root
    std::string text;
    std::vector<std::shared_ptr<const ValueNode>> parts;
};
using Value = std::shared_ptr<const ValueNode>;

// Nothing when the text does not follow the grammar.
std::optional<Value> readValue(const std::string& text);

// With X = x and Y = y.
long double approximately(const Value& v, long double x = 0, long double y = 0);

// The exact value of one with no root of a root and no variable; nothing otherwise.
std::optional<Quadratic> exactly(const Value& v);

// The exact square of a value with at most one level of nested roots in each factor.
std::optional<Quadratic> squareOf(const Value& v);

// A polynomial of degree 2 at most in X and Y with exact coefficients:
// [X^2, X*Y, Y^2, X, Y, 1]. Nothing where a coefficient is not a quadratic number.
std::optional<std::vector<Quadratic>> polynomialOf(const Value& v);
