#pragma once

#include "exact/rational.h"

#include <string>
#include <string_view>

// The six coefficients of a*x^2 + b*x*y + c*y^2 + d*x + e*y + f = 0 as typed: NOT halved.
struct EquationCoefficients {
    Rational x2, xy, y2, x, y, constant;
};

struct EquationReading {
    bool accepted = false;
    EquationCoefficients coefficients; // when accepted
    std::string refusal;               // when not: one Serbian line, no line end
};

// Reads a second-order equation in x and y as people write it: numbers with a decimal point
// or comma, x and y in either case, + - * / ^ and their pasted look-alikes, products written
// side by side ("4xy", "2(x - 1)"), parentheses, whole powers, division by a number, one "="
// or none. Everything is expanded and collected exactly; what is not such an equation is
// refused with one line that says what and where.
EquationReading readEquation(std::string_view text);

// A coefficient as a word konika's number reader takes back exactly: "-32", "1/9", "3/2".
std::string coefficientWord(const Rational& value);

// The six coefficients written back as an equation that readEquation reads to the same six:
// "5x^2 + 4xy + 8y^2 - 32x - 56y + 80 = 0", "x^2/9 + y^2/4 - 1 = 0".
std::string equationText(const EquationCoefficients& coefficients);
