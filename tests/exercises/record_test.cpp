// Every exercise the generator builds, against the exact solution of the equation it wrote
// and against the float reduction of the console: the same kind and the same numbers as its
// record says, whole coefficients within the bounds, nothing trivial, and its equation as
// written read back by the equation reader.

#include "document/text_writer.h"
#include "equation/equation_reader.h"
#include "exercises/exercise_generator.h"
#include "exercises/exercise_sheet.h"
#include "outcome.h"
#include "solution/solution_key.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

struct KindCase {
    ExerciseKind kind;
    Ending ending;
    Outcome outcome;
};

const KindCase kKinds[] = {
    {ExerciseKind::Ellipse, Ending::Ellipse, Outcome::TracedEllipse},
    {ExerciseKind::Circle, Ending::Ellipse, Outcome::TracedEllipse},
    {ExerciseKind::Hyperbola, Ending::Hyperbola, Outcome::TracedHyperbola},
    {ExerciseKind::Parabola, Ending::Parabola, Outcome::TracedParabola},
    {ExerciseKind::CrossingLines, Ending::IntersectingLines, Outcome::TracedCrossingLines},
    {ExerciseKind::ParallelLines, Ending::ParallelLines, Outcome::TracedParallelLines},
    {ExerciseKind::DoubleLine, Ending::DoubleLine, Outcome::TracedDoubleLine},
    {ExerciseKind::SinglePoint, Ending::SinglePoint, Outcome::NothingTraced},
    {ExerciseKind::ImaginaryEllipse, Ending::ImaginaryEllipse, Outcome::ImaginaryMessage},
    {ExerciseKind::EmptyPair, Ending::EmptyPair, Outcome::EmptySetMessage}};

// Seeds per kind and level: 1,000 take about 10 s on two cores (an exercise takes 0.4 ms, most
// of it the exact solution); KONIKA_EXERCISE_SEEDS=10000 checks ten times as many.
std::uint64_t seedCount() {
    const char* count = std::getenv("KONIKA_EXERCISE_SEEDS");
    return count != nullptr ? std::strtoull(count, nullptr, 10) : 1000;
}

Quadratic size(const Quadratic& q) {
    return q.sign() < 0 ? -q : q;
}

bool withinBounds(const Exercise& e) {
    for (int i = 0; i < 6; ++i) {
        const long long c = e.coefficients[i] < 0 ? -e.coefficients[i] : e.coefficients[i];
        if (c > (i < 3 ? 99 : 999)) {
            return false;
        }
    }
    return true;
}

// A level 2 or 3 exercise turns the axes (an xy term), a level 1 or 3 one moves the origin.
bool levelKept(const Exercise& e) {
    const ExerciseRecord& r = e.record;
    const bool moved = r.x0 != 0 || r.y0 != 0 || r.middle != 0;
    const bool turned = e.coefficients[1] != 0;
    return turned == (r.level != 1) && moved == (r.level != 2);
}

// The centre or vertex and the angle of the reduction are the record's.
bool frameKept(const ExerciseRecord& r, const SolutionKey& key) {
    const bool placed = key.path.central || key.path.ending == Ending::Parabola;
    if (placed && (key.frame.tx != Quadratic(r.x0) || key.frame.ty != Quadratic(r.y0))) {
        return false;
    }
    if (key.path.rotated != (r.across != 0)) {
        return false;
    }
    const Rational n2 = r.along * r.along + r.across * r.across;
    const int across = r.across > 0 ? 1 : r.across < 0 ? -1 : 0;
    return !key.path.rotated || (key.frame.tangent == Quadratic(Rational(r.across) / r.along) &&
                                 key.frame.cosine.sign == 1 &&
                                 key.frame.cosine.square == Quadratic(r.along * r.along / n2) &&
                                 key.frame.sine.sign == across &&
                                 key.frame.sine.square == Quadratic(r.across * r.across / n2));
}

// a^2, b^2, p, the ratio or the lines of the canonical form are the record's.
bool numbersKept(const ExerciseRecord& r, const Form& f) {
    switch (r.kind) {
    case ExerciseKind::Parabola:
        return -f.a13 / f.a22 == Quadratic(r.p);
    case ExerciseKind::CrossingLines:
    case ExerciseKind::SinglePoint:
        return f.a33 == 0 && f.a22 / f.a11 == Quadratic(r.ratio);
    case ExerciseKind::ParallelLines:
    case ExerciseKind::DoubleLine:
    case ExerciseKind::EmptyPair:
        return -f.a23 / f.a22 == Quadratic(r.middle) &&
               (f.a23 * f.a23 - f.a22 * f.a33) / (f.a22 * f.a22) == Quadratic(r.halfWidth2);
    default:
        return size(f.a33 / f.a11) == Quadratic(r.a2) && size(f.a33 / f.a22) == Quadratic(r.b2) &&
               (r.kind != ExerciseKind::Circle || r.a2 == r.b2);
    }
}

TypedInput typedWords(const Exercise& e) {
    TypedInput words;
    for (int i = 0; i < 6; ++i) {
        words[i] = std::to_string(e.coefficients[i]);
    }
    return words;
}

// The equation as the sheet writes it, pasted into the equation reader, gives its coefficients.
bool readsBack(const Exercise& e) {
    const EquationReading read = readEquation(textOf(typedEquation(e)));
    const EquationCoefficients& c = read.coefficients;
    const Rational typed[] = {c.x2, c.xy, c.y2, c.x, c.y, c.constant};
    for (int i = 0; i < 6; ++i) {
        if (!read.accepted || typed[i] != e.coefficients[i]) {
            return false;
        }
    }
    return true;
}

// "" when the exercise is what its record says.
std::string mismatch(const Exercise& e, const KindCase& c) {
    if (!withinBounds(e) || !levelKept(e)) {
        return "coefficients out of bounds, or the level not kept";
    }
    if (!readsBack(e)) {
        return "the equation as written does not read back to its coefficients";
    }
    const std::optional<SolutionKey> key = solutionKey(exactConicOf(e));
    if (!key || key->path.ending != c.ending) {
        return "the exact solution finds another kind";
    }
    if (!frameKept(e.record, *key)) {
        return "the exact solution finds another centre, vertex or angle";
    }
    if (!numbersKept(e.record, key->canonical)) {
        return "the exact solution finds other numbers";
    }
    double worstResidual = 0;
    return checkRun(typedWords(e), c.outcome, worstResidual);
}

TEST(ExerciseRecord, IsWhatTheExactSolutionAndTheReductionFind) {
    const std::uint64_t seeds = seedCount();
    const auto start = std::chrono::steady_clock::now();
    for (const KindCase& c : kKinds) {
        for (int level = 1; level <= 3; ++level) {
            if (!kindHasLevel(c.kind, level)) {
                continue;
            }
            int failures = 0;
            for (std::uint64_t seed = 0; seed < seeds && failures < 3; ++seed) {
                const Exercise e = newExercise(c.kind, level, seed);
                const std::string problem = mismatch(e, c);
                if (!problem.empty()) {
                    ++failures;
                    std::ostringstream equation;
                    for (const long long coefficient : e.coefficients) {
                        equation << coefficient << " ";
                    }
                    ADD_FAILURE() << kindName(c.kind) << " level " << level << " seed " << seed
                                  << " (" << equation.str() << "): " << problem;
                }
            }
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%llu seeds per kind and level in %.1f s\n", static_cast<unsigned long long>(seeds),
                took.count());
}

} // namespace
