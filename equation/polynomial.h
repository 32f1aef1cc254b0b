#pragma once

#include "exact/rational.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/container/small_vector.hpp>

// The highest degree a polynomial may reach on the way: "x^3 - x^3 + x^2" is read, but no
// product of a higher degree is ever expanded.
constexpr int kHighestDegree = 3;

// No integer on the way may be longer than this, in 64-bit limbs (1024 bits, about 308 decimal
// digits), so that every step stays quick.
constexpr unsigned kLongestNumberLimbs = 16;

// Whether the integer is within kLongestNumberLimbs.
bool isShortEnough(const Integer& value);

// Whether an operation could be carried out, and why not.
enum class Growth { Fits, DegreeTooHigh, NumbersTooLong };

// A polynomial in x and y of degree at most kHighestDegree with exact coefficients, each a
// numerator over a denominator of its own, which are never reduced on the way (a gcd of long
// numbers is slow, and the reading needs none until the end). Terms are brought to a common
// denominator only where they are added to each other, so that an equation written with its
// coefficients as fractions, each of them as long as allowed, reads again. Only the terms that
// are not 0 are kept: most polynomials of an equation have one to three.
class Polynomial {
  public:
    // numerator / denominator, the denominator positive, neither longer than
    // kLongestNumberLimbs.
    static Polynomial constant(const Integer& numerator, const Integer& denominator);
    // x^xPower * y^yPower.
    static Polynomial monomial(int xPower, int yPower);
    Polynomial() { where_.fill(-1); }

    Rational at(int xPower, int yPower) const;
    bool isZeroAt(int xPower, int yPower) const;
    // The highest xPower + yPower with a coefficient that is not 0; -1 for the zero polynomial.
    int degree() const;

    void negate();
    // Each says whether the result fits; where it does not, what the polynomial then holds is
    // of no use (the reading stops there).
    Growth add(const Polynomial& other);
    Growth subtract(const Polynomial& other);
    Growth multiply(const Polynomial& other);
    // By a polynomial of degree 0.
    Growth divide(const Polynomial& constant);
    Growth power(int exponent);

  private:
    struct Term {
        int xPower;
        int yPower;
        Integer numerator; // not 0
        Integer denominator;
    };

    static int slot(int xPower, int yPower) { return xPower * (kHighestDegree + 1) + yPower; }
    const Term* find(int xPower, int yPower) const;
    // Adds numerator / denominator to the term x^xPower * y^yPower; false when the sum is too
    // long.
    bool addTo(int xPower, int yPower, const Integer& numerator, const Integer& denominator);
    void remove(int xPower, int yPower);
    Growth combine(const Polynomial& other, int sign);

    // Room for the six terms of a second-order equation without an allocation.
    boost::container::small_vector<Term, 6> terms_;
    // Where each term x^i*y^j stands in terms_, at slot(i, j); -1 where it is 0.
    std::array<std::int8_t, (kHighestDegree + 1) * (kHighestDegree + 1)> where_;
};

// The term x^xPower * y^yPower as people write it: "x^2", "xy", "y"; "" for the constant.
std::string monomialText(int xPower, int yPower);
