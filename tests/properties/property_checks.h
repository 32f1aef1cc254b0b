#pragma once

#include "traced_conic.h"

#include <string>

// How well a traced conic agrees with the equation that was entered. Each figure is a residual
// divided by the rounding scale it is measured against, so that 1 means "as large as that
// scale" (property_checks.cpp derives the scales and the tolerances).
struct Agreement {
    std::string problem;      // the first exact condition that fails, "" when all hold
    double turnedFrame = 0;   // frame 3 is orthonormal; frame 4 has its directions
    double mixedTerm = 0;     // the entered X*Y term, seen in the turned frame
    double canonicalForm = 0; // the entered equation in the final frame against the record
    double curvePoints = 0;   // the traced points, mapped back, in the entered equation
};

// The tolerances of the four figures.
extern const double kFrameTolerance;
extern const double kMixedTermTolerance;
extern const double kCanonicalTolerance;
extern const double kPointTolerance;

// Needs a run that traced a curve (kind 1 to 6).
Agreement agreementOf(const TracedConic& run);

// Every figure of a within its tolerance, and no problem.
bool agrees(const Agreement& a);

// The entered conic with its X and Y coefficients negated: the curve mirrored through the
// origin.
Conic mirroredThroughOrigin(const Conic& entered);

// Float rounding is symmetric in the sign, so the mirrored conic must end the same way, with
// the same quadratic coefficients and free term and the translation and the linear
// coefficients of the canonical record negated, all exactly. "" when it does, otherwise what
// differs.
std::string mirrorProblem(const TracedConic& run, const TracedConic& mirrored);
