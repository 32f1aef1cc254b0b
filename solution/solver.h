#pragma once

// The parts of the exact solution, built one section after another along the way of the
// reduction; each source file of the folder builds some of them.

#include "document/document.h"
#include "exact/invariants.h"
#include "exact/reduction_path.h"
#include "solution/form.h"
#include "solution/signed_root.h"

#include <utility>
#include <vector>

// Where the last coordinates lie in the typed plane: x = c U - s V + tx, y = s U + c V + ty,
// with (U, V) = (X, Y), or (Y, X) when the axes were exchanged.
struct PlaneFrame {
    SignedRoot cosine{1, 1};
    SignedRoot sine{0, 0};
    Quadratic tangent = 0;
    Quadratic tx = 0;
    Quadratic ty = 0;
    bool exchanged = false;
};

// A point of the canonical frame, and a line alpha X + beta Y + gamma = 0 with gamma a sum.
struct CanonicalPoint {
    SignedRoot x;
    SignedRoot y;
};

struct CanonicalLine {
    SignedRoot alpha;
    SignedRoot beta;
    std::vector<SignedRoot> gamma;
};

// A line a x + b y + c = 0 of the typed plane.
struct PlaneLine {
    Radical a, b, c;
};

// k1 X^2 + k2 Y^2 + f = 0: the squares |f/k1| and |f/k2| of the semi-axes along X and Y.
struct AxisSquares {
    Quadratic alongX;
    Quadratic alongY;
};
AxisSquares axisSquares(const Form& canonical);

// k u^2 + 2 b u + g = 0, with u = X or Y: (u - middle)^2 = halfWidth2.
struct LinePair {
    bool alongX; // the square is in X: lines parallel to the Y axis
    Quadratic middle;
    Quadratic halfWidth2;
};
LinePair linePair(const Form& canonical, bool alongX);

// The name of a curve and its numbers (a, b, c, e; r; p, e; d), from its canonical form.
struct CurveNumbers {
    std::string name; // "Elipsa:", "Parabola:", ...
    std::vector<Expr> numbers;
};
CurveNumbers curveNumbers(const Form& canonical, const ReductionPath& path);

struct SolutionKey;

// The value of a radical that is known to be a quadratic number (a cosine without a centre).
Quadratic quadraticOf(const Radical& value);

struct Solver {
    const ExactConic& typed;
    ConicInvariants invariants;
    ReductionPath path;
    Form form;
    int step = 0;  // the coordinates the form is written in: 0 for x, y
    int steps = 0; // how many changes of coordinates the reduction makes
    PlaneFrame frame;
    Document document;

    explicit Solver(const ExactConic& conic);

    Coordinates names(int index) const;
    Coordinates current() const { return names(step); }
    Section& section(const std::string& title);
    void add(Block block) { document.sections.back().blocks.push_back(std::move(block)); }

    // reduction_steps.cpp
    void showForm(); // the current equation, and its decimals where it has roots
    void typedEquation();
    void invariantsAndKind();
    void centre();
    void rotation();
    void vertex();
    void exchange();

    // canonical_form.cpp
    void canonicalForm();
    void mapBack();

    // curve_elements.cpp
    void elements();
    std::pair<Radical, Radical> pointInPlane(const CanonicalPoint& p) const;
    PlaneLine lineInPlane(const CanonicalLine& l) const;

    // solution_key.cpp: the key, once the canonical form is written
    SolutionKey key() const;
};
