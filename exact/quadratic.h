#pragma once

#include "exact/rational.h"

#include <optional>

// A number r + s*sqrt(d): r and s rational, d a square-free integer greater than 1, or d = 1
// and s = 0 for a rational number. Numbers of one computation share d (or are rational);
// mixing two different radicands in one operation is a fault of the caller.
class Quadratic {
  public:
    Quadratic(Rational r = 0);                         // NOLINT: a rational is a quadratic number
    Quadratic(long long n) : Quadratic(Rational(n)) {} // NOLINT: so is an integer
    // r + s*sqrt(n) for any n >= 0: the square factors of n are taken out.
    Quadratic(Rational r, Rational s, const Integer& n);

    // sqrt(q) for q >= 0: a multiple of one square root.
    static Quadratic squareRootOf(const Rational& q);

    const Rational& rational() const { return r_; }
    const Rational& surd() const { return s_; }
    const Integer& radicand() const { return d_; }
    bool isRational() const { return s_ == 0; }

    int sign() const;
    Quadratic conjugate() const { return Quadratic(r_, -s_, d_, Normalised{}); }
    Rational norm() const { return r_ * r_ - s_ * s_ * Rational(d_); } // times the conjugate
    long double approximate() const;

    Quadratic operator-() const { return conjugateSign(); }
    friend Quadratic operator+(const Quadratic& a, const Quadratic& b);
    friend Quadratic operator-(const Quadratic& a, const Quadratic& b);
    friend Quadratic operator*(const Quadratic& a, const Quadratic& b);
    friend Quadratic operator/(const Quadratic& a, const Quadratic& b);
    friend bool operator==(const Quadratic& a, const Quadratic& b) {
        return a.r_ == b.r_ && a.s_ == b.s_ && a.d_ == b.d_;
    }
    friend bool operator!=(const Quadratic& a, const Quadratic& b) { return !(a == b); }

  private:
    struct Normalised {};
    Quadratic(Rational r, Rational s, Integer d, Normalised);
    Quadratic conjugateSign() const { return Quadratic(-r_, -s_, d_, Normalised{}); }

    Rational r_;
    Rational s_;
    Integer d_;
};

// The radicand that a and b share: that of the irrational one; a fault when both are
// irrational with different radicands.
const Integer& commonRadicand(const Quadratic& a, const Quadratic& b);

// u with u^2 = w and u >= 0 within the numbers r + s*sqrt(d) of w's radicand (or, for a
// rational w, any multiple of a square root); nothing when there is none. Needs w >= 0.
std::optional<Quadratic> squareRootWithin(const Quadratic& w);
