#pragma once

#include "corpus.h"

#include <array>
#include <string>

// How a run must end: what is printed last, what the reduction returns, what is traced.
enum class Outcome {
    TracedEllipse,
    ImaginaryMessage,
    NothingTraced, // a single point: result 0 and an empty scene
    TracedHyperbola,
    TracedParabola,
    TracedCrossingLines,
    TracedParallelLines,
    TracedDoubleLine,
    TwoLinesMessage,
    EmptySetMessage,
};

Outcome expectedOutcome(const CorpusCase& c);

const char* outcomeName(Outcome outcome);

// The six coefficients as the user types them, X^2 first.
using TypedInput = std::array<std::string, 6>;

TypedInput typedInput(const Milli& typed, const std::string& exponent = "");

// Runs the reduction in-process on the input read as the console reads it and compares the
// result, the console and the scene with the outcome. Returns "" when they fit, otherwise
// what was seen. worstResidual grows to the largest residual of a traced hyperbola point in
// its canonical equation, as a fraction of the rounding bound (at most 1).
std::string checkRun(const TypedInput& input, Outcome expected, double& worstResidual);
