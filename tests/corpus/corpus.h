#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the zero set of a second-order equation is. Each generated case carries the type that
// follows from how it was built, never one computed by the code under test.
enum class ConicType {
    RealEllipse,
    ImaginaryEllipse,
    SinglePoint,
    Hyperbola,
    IntersectingLines,
    Parabola,
    ParallelLines,
    DoubleLine,
    EmptySet,
};

constexpr int kConicTypeCount = 9;

// The six typed coefficients of X^2, X*Y, Y^2, X, Y and the free term, in that order, counted
// in thousandths: every decimal with at most three places is an exact integer here.
using Milli = std::array<std::int64_t, 6>;

struct CorpusCase {
    Milli typed;
    ConicType type;
    std::string family; // how the case was built, for reports
};

// Built from a fixed seed, so every run checks the same conics.
std::vector<CorpusCase> buildCorpus();

// The decimal a user types for a count of thousandths: 1500 -> "1.5", -7 -> "-0.007".
std::string typedDecimal(std::int64_t milli);

const char* conicTypeName(ConicType type);
