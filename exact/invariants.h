#pragma once

#include "exact/exact_conic.h"

// The invariants of the entered equation, decided exactly.
//
// They are evaluated from the exact record (the numbers as typed) in integer arithmetic. Their
// signs decide every branch of the reduction; rounding in the float arithmetic of the printed
// steps cannot change them.
struct ConicInvariants {
    // Signs, -1, 0 or +1:
    int quadraticDetSign; // delta = a11*a22 - a12^2
    int fullDetSign;      // Delta = the determinant of the symmetric 3x3 matrix
    int traceSign;        // I = a11 + a22
    int kSign;            // K = (a11*a33 - a13^2) + (a22*a33 - a23^2)
    // a11*a23 - a12*a13: the linear terms along (-a12, a11), which is the direction of the
    // zero eigenvalue when delta = 0 and a12 != 0.
    int nullDirectionTermSign;
    int differenceSign; // a11 - a22, which decides the angle of the rotation

    // The same invariants as long doubles, rounded from the exact values, for the few
    // places where a float result of the wrong sign is replaced by the value it stands for.
    long double quadraticDet;
    long double fullDet;
    long double trace;
    long double k;
    long double discriminant; // (a11 - a22)^2 + 4*a12^2, never negative
    long double difference;
};

ConicInvariants conicInvariants(const ExactConic& conic);
// From the decimals behind the floats (exactConic). Needs finite fields.
ConicInvariants conicInvariants(const Conic& conic);
