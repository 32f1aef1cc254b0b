#pragma once

#include "exact/invariants.h"

// How a conic ends after its reduction.
enum class Ending {
    NotSecondOrder, // no x^2, x*y or y^2 term
    Ellipse,
    ImaginaryEllipse,
    SinglePoint,
    Hyperbola,
    IntersectingLines,
    Parabola,
    ParallelLines,    // parallel to the X axis of the last frame, and drawn
    DoubleLine,       // the same, one line counted twice
    LinesAlongY,      // two lines parallel to the y axis after the rotation: not drawn
    DoubleLineAlongY, // the same, one line counted twice
    EmptyPair,        // two parallel lines without a real point
};

// The way the reduction goes, decided once from the exact invariants of the equation as typed:
// the printed steps in floats and the exact solution both follow it, so that they are one
// exercise with the same frames.
struct ReductionPath {
    Ending ending = Ending::NotSecondOrder;
    bool central = false; // delta != 0: the origin moves to the centre first
    bool rotated = false; // a12 != 0: the axes turn by phi, -45 < phi <= 45 degrees
    // The rotated a11 is the larger of the two eigenvalues: a11 - a22 >= 0. With a11 = a22 the
    // angle is 45 degrees with the sign of a12.
    bool largerFirst = false;
    // Without a centre: after the rotation the square is in x (a11 != 0), so the vertex is
    // found in x, and the axes are exchanged for the parabola.
    bool squareInX = false;
    bool exchanged = false; // the axes are exchanged last (a reflection)
};

ReductionPath reductionPath(const ExactConic& conic, const ConicInvariants& invariants);
