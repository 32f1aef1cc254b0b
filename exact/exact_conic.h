#pragma once

#include "app/conic.h"
#include "exact/rational.h"

// The equation as typed, exactly: the entries of the symmetric 3x3 matrix, as in the Conic
// record (the X*Y, X and Y coefficients halved). Where the float record holds a zero, so does
// this one: a number below the float range counts as 0 in every step alike.
struct ExactConic {
    Rational a11, a12, a22, a13, a23, a33;
};

// The record behind the floats when only they are known: each field the decimal the user
// typed to get it, as typedNumber recovers it. Needs finite fields.
ExactConic exactConic(const Conic& conic);
