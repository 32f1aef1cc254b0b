#pragma once

#include "exact/rational.h"

#include <string>
#include <vector>

// The highest degree a polynomial may reach on the way: "x^3 - x^3 + x^2" is read, and so is
// the square of a square, but no product of higher degree is ever expanded.
constexpr int kHighestDegree = 4;

// No number on the way may have a numerator or denominator longer than this (in bits, as long
// as 4096 decimal digits): however the input multiplies its numbers, each step stays quick.
constexpr unsigned kLongestNumberBits = 13607;

// Whether an operation could be carried out, and why not.
enum class Growth { Fits, DegreeTooHigh, NumbersTooLong };

// A polynomial in x and y of degree at most kHighestDegree with exact coefficients.
class Polynomial {
  public:
    Polynomial();
    static Polynomial constant(const Rational& value);
    // x^xPower * y^yPower.
    static Polynomial monomial(int xPower, int yPower);

    const Rational& at(int xPower, int yPower) const;
    // The highest xPower + yPower with a coefficient that is not 0; -1 for the zero polynomial.
    int degree() const;

    void negate();
    // Each says whether the result fits; where it does not, what the polynomial then holds is
    // of no use (the reading stops there).
    Growth add(const Polynomial& other);
    Growth subtract(const Polynomial& other);
    Growth multiply(const Polynomial& other);
    Growth power(int exponent);

  private:
    Rational& term(int xPower, int yPower);
    Growth combine(const Polynomial& other, bool subtract);

    std::vector<Rational> terms_;
};

// Whether the numerator and denominator are both within kLongestNumberBits.
bool isShortEnough(const Rational& value);

// The term x^xPower * y^yPower as people write it: "x^2", "xy", "y"; "" for the constant.
std::string monomialText(int xPower, int yPower);
