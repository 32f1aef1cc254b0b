#pragma once

#include "exact/radical.h"

// sign * sqrt(square), square >= 0: a length of a turned curve, or the cosine of its angle,
// kept by its square so that products of any two are again of this form.
struct SignedRoot {
    int sign = 0;
    Quadratic square = 0;

    static SignedRoot of(const Quadratic& value) { return {value.sign(), value * value}; }
    static SignedRoot rootOf(const Quadratic& square) { return {square.sign(), square}; }

    Radical value() const { return sign * Radical::squareRootOf(square); }
    SignedRoot operator-() const { return {-sign, square}; }
    friend SignedRoot operator*(const SignedRoot& a, const SignedRoot& b) {
        return {a.sign * b.sign, a.square * b.square};
    }
    friend SignedRoot operator/(const SignedRoot& a, const SignedRoot& b) {
        return {a.sign * b.sign, a.square / b.square};
    }
};

// r + t. The root of t may lie outside the quadratic numbers of r (a half-width sqrt(7) beside a
// middle in sqrt(106)): it is then kept as the radical's root. A fault when r has a root of
// its own and t another one.
inline Radical plus(const Radical& r, const SignedRoot& t) {
    if (t.sign == 0) {
        return r;
    }
    if (r.isQuadratic()) {
        return Radical(r.base(), t.sign, t.square);
    }
    if (t.square == r.radicand()) {
        return Radical(r.base(), r.coefficient() + Quadratic(t.sign), r.radicand());
    }
    return r + t.value();
}
