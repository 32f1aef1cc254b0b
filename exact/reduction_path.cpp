#include "exact/reduction_path.h"

namespace {

Ending centralEnding(const ConicInvariants& inv) {
    if (inv.quadraticDetSign < 0) {
        return inv.fullDetSign == 0 ? Ending::IntersectingLines : Ending::Hyperbola;
    }
    if (inv.fullDetSign == 0) {
        return Ending::SinglePoint;
    }
    return inv.traceSign * inv.fullDetSign > 0 ? Ending::ImaginaryEllipse : Ending::Ellipse;
}

// a11 x^2 + 2 a13 x + a33 (squareInX) or a22 y^2 + 2 a23 y + a33, whose discriminant is -K.
Ending nonCentralEnding(const ConicInvariants& inv, bool squareInX) {
    if (inv.fullDetSign != 0) {
        return Ending::Parabola;
    }
    if (inv.kSign > 0) {
        return Ending::EmptyPair;
    }
    if (squareInX) {
        return inv.kSign < 0 ? Ending::LinesAlongY : Ending::DoubleLineAlongY;
    }
    return inv.kSign < 0 ? Ending::ParallelLines : Ending::DoubleLine;
}

} // namespace

ReductionPath reductionPath(const ExactConic& c, const ConicInvariants& inv) {
    ReductionPath path;
    if (c.a11 == 0 && c.a12 == 0 && c.a22 == 0) {
        return path;
    }
    path.central = inv.quadraticDetSign != 0;
    path.rotated = c.a12 != 0;
    path.largerFirst = inv.differenceSign >= 0;
    if (path.central) {
        path.ending = centralEnding(inv);
        // The ellipse ends with a11 <= a22; turned, the larger eigenvalue stands first.
        path.exchanged =
            path.ending == Ending::Ellipse && (path.rotated ? path.largerFirst : c.a22 < c.a11);
        return path;
    }
    // The eigenvalues are 0 and I; the larger one is I when I > 0.
    path.squareInX = path.rotated ? path.largerFirst == (inv.traceSign > 0) : c.a11 != 0;
    path.ending = nonCentralEnding(inv, path.squareInX);
    path.exchanged = path.ending == Ending::Parabola && path.squareInX;
    return path;
}
