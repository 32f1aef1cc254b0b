#pragma once

// Reduction exercises with nice numbers, built backwards from their canonical form: the curve
// is chosen in its canonical frame, turned and moved into the plane, and its equation written
// with the least whole coefficients. Seeded and deterministic: a seed gives the same exercises
// in the console and in the page.

#include "exact/exact_conic.h"
#include "exact/rational.h"

#include <array>
#include <cstdint>
#include <vector>

enum class ExerciseKind {
    Any,
    Ellipse,
    Circle,
    Hyperbola,
    Parabola,
    CrossingLines,
    ParallelLines,
    DoubleLine,
    SinglePoint,
    ImaginaryEllipse,
    EmptyPair,
};

// level: 1 axes parallel to the coordinate axes, with a translation; 2 a rotation about the
// origin; 3 a rotation and a translation; 0 any of them. A circle has level 1 only.
struct SheetRequest {
    int count = 1;
    ExerciseKind kind = ExerciseKind::Any;
    int level = 0;
    std::uint64_t seed = 0;
};

// The bounds every exercise keeps: its whole coefficients at most these in size.
constexpr long long kLargestSquareCoefficient = 99; // of x^2, xy and y^2
constexpr long long kLargestCoefficient = 999;      // of every term

// What the generator built, in the frame the reduction ends in (for an ellipse, the larger
// semi-axis along X).
struct ExerciseRecord {
    ExerciseKind kind = ExerciseKind::Any;
    int level = 1;
    // The turn of the axes: cos phi : sin phi = along : across, so tg phi = across/along;
    // |across| < along, and across = 0 at level 1.
    long long along = 1;
    long long across = 0;
    // The centre, or the vertex of a parabola; 0 for a pair of parallel lines.
    Rational x0, y0;
    Rational a2, b2;     // X^2/a2 +- Y^2/b2 = +-1: ellipse, circle, hyperbola, imaginary ellipse
    Rational p;          // Y^2 = 2 p X: parabola
    Rational ratio;      // X^2 + ratio Y^2 = 0: crossing lines, single point
    Rational middle;     // (Y - middle)^2 = halfWidth2: parallel lines, double line, empty pair
    Rational halfWidth2; // negative for an empty pair
};

struct Exercise {
    // The coefficients of x^2, xy, y^2, x, y and the free term, as typed.
    std::array<long long, 6> coefficients{};
    ExerciseRecord record;
};

// Whether an exercise of the kind exists at the level (a circle has no xy term).
bool kindHasLevel(ExerciseKind kind, int level);

// The exercises of a sheet: request.count of them, no equation twice. Needs
// kindHasLevel(request.kind, request.level) (level 0 with a circle gives level 1) and a count
// from 1 to 100.
std::vector<Exercise> exerciseSheet(const SheetRequest& request);

// One exercise: the first of the sheet of that seed.
Exercise newExercise(ExerciseKind kind, int level, std::uint64_t seed);

// The exact record of the typed equation (the xy, x and y coefficients halved).
ExactConic exactConicOf(const Exercise& exercise);
