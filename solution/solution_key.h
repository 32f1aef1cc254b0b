#pragma once

#include "solution/solver.h"

#include <optional>
#include <string>
#include <vector>

// The answers of an exercise, taken from its exact solution: the kind, the canonical form, the
// centre or the vertex, the angle of the rotation and the numbers of the curve, as written
// lines, and the exact values behind them.
struct SolutionKey {
    ReductionPath path;
    Form canonical;   // the equation in the canonical X, Y
    PlaneFrame frame; // where X and Y lie in the typed plane
    std::string name; // "Elipsa", "Parabola", ...
    // "X^2/9 + Y^2/4 = 1", "(x0, y0) = (2, 3)", "tg phi = -1/2", "cos phi = ...", "a = 3", ...
    std::vector<Expr> lines;
};

// Nothing for an equation without a second-order term, or with numbers too long to be
// written exactly.
std::optional<SolutionKey> solutionKey(const ExactConic& typed);
