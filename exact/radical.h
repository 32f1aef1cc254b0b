#pragma once

#include "exact/quadratic.h"

// A number p + q*sqrt(w), with p, q and w quadratic numbers of one radicand and w > 0: the
// values of a worked conic, where a root of a quadratic number (a semi-axis of a turned curve,
// the cosine of its angle) meets the rest. Kept with q = 0 wherever the root lies among the
// quadratic numbers themselves.
class Radical {
  public:
    Radical(Quadratic p = 0);                       // NOLINT: a quadratic number is a radical one
    Radical(long long n) : Radical(Quadratic(n)) {} // NOLINT: so is an integer
    Radical(Quadratic p, Quadratic q, Quadratic w);

    // sqrt(w) for w >= 0.
    static Radical squareRootOf(const Quadratic& w);

    const Quadratic& base() const { return p_; }        // p
    const Quadratic& coefficient() const { return q_; } // q
    const Quadratic& radicand() const { return w_; }    // w
    bool isQuadratic() const { return q_ == 0; }

    int sign() const;
    long double approximate() const;

    Radical operator-() const { return Radical(-p_, -q_, w_); }
    friend Radical operator+(const Radical& a, const Radical& b);
    friend Radical operator-(const Radical& a, const Radical& b) { return a + -b; }
    friend Radical operator*(const Radical& a, const Radical& b);
    friend Radical operator/(const Radical& a, const Radical& b);
    friend bool operator==(const Radical& a, const Radical& b) {
        return a.p_ == b.p_ && a.q_ == b.q_ && a.w_ == b.w_;
    }

  private:
    Quadratic p_;
    Quadratic q_;
    Quadratic w_; // 0 when q is 0
};
