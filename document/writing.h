#pragma once

// What the writers of expressions share: the parts of a variable's name, which expressions
// stand without brackets, and how a sum is written with its minus signs.

#include "document/expression.h"

#include <string>

// "lambda1'" is the letters "lambda", the digits "1" (a subscript) and the primes "'".
struct VariableName {
    std::string letters;
    std::string digits;
    std::string primes;
};

VariableName splitName(const std::string& name);

// An expression that needs no brackets as an operand: a number, a variable, a root, a point,
// a determinant.
bool isAtom(const Expr& e);
// The same, or a fraction, which a bar sets apart where fractions are written on two lines.
bool standsAlone(const Expr& e);

// The terms joined by the writer's plus and minus, a negated term written by its operand; a
// term that is itself a sum is grouped.
template <typename Write, typename Group>
std::string sumOf(const Expression& sum, Write write, Group group, const std::string& plus,
                  const std::string& minus) {
    std::string text = write(sum.parts[0]);
    for (std::size_t i = 1; i < sum.parts.size(); ++i) {
        const bool negative = isNegation(sum.parts[i]);
        const Expr& shown = negative ? sum.parts[i]->parts[0] : sum.parts[i];
        const std::string written = write(shown);
        text += (negative ? minus : plus) + (shown->shape == Shape::Sum ? group(written) : written);
    }
    return text;
}

// The parts from..to joined by the separator.
template <typename Write>
std::string listOf(const std::vector<Expr>& parts, std::size_t from, std::size_t to,
                   const std::string& separator, Write write) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        text += (i > from ? separator : "") + write(parts[i]);
    }
    return text;
}
