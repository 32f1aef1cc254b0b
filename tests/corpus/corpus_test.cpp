// An independent oracle for the reduction: thousands of conics whose type is known from how
// they were built (products of lines, sums and differences of squares, turned and moved
// canonical forms, and neighbours one typed digit away), each run through the reduction.
#include "corpus.h"
#include "outcome.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

const std::vector<CorpusCase>& corpus() {
    static const std::vector<CorpusCase> cases = buildCorpus();
    return cases;
}

std::string shown(const TypedInput& input) {
    std::string text;
    for (const std::string& t : input) {
        text += (text.empty() ? "" : " ") + t;
    }
    return text;
}

// Tallies mismatches, reporting the first few in full.
class Mismatches {
  public:
    void check(const TypedInput& input, const CorpusCase& c, double& worstResidual) {
        const Outcome expected = expectedOutcome(c);
        const std::string problem = checkRun(input, expected, worstResidual);
        if (problem.empty()) {
            return;
        }
        if (++count_ <= kReported) {
            ADD_FAILURE() << "typed: " << shown(input) << "\n  built as: " << c.family << " ("
                          << conicTypeName(c.type) << ")\n  expected: " << outcomeName(expected)
                          << "\n  " << problem;
        }
    }
    int count() const { return count_; }

  private:
    static constexpr int kReported = 25;
    int count_ = 0;
};

// Twice the symmetric matrix, so every entry is an integer: [[2A, B, D], [B, 2C, E], [D, E, 2F]]
// for A X^2 + B XY + C Y^2 + D X + E Y + F in thousandths. Entries reach 2e6, so the 3x3
// determinant needs 128 bits.
__extension__ typedef __int128 Wide;

int signOf(Wide v) {
    return (v > 0) - (v < 0);
}

// The textbook classification by the signs of delta, Delta, I and K.
ConicType classifiedByInvariants(const Milli& t) {
    const Wide a = t[0], b = t[1], c = t[2], d = t[3], e = t[4], f = t[5];
    const Wide delta = 4 * a * c - b * b;
    const Wide det =
        2 * a * (4 * c * f - e * e) - b * (2 * b * f - d * e) + d * (b * e - 2 * c * d);
    const Wide trace = a + c;
    const Wide k = (4 * a * f - d * d) + (4 * c * f - e * e);
    if (delta > 0) {
        return det == 0                       ? ConicType::SinglePoint
               : signOf(det) != signOf(trace) ? ConicType::RealEllipse
                                              : ConicType::ImaginaryEllipse;
    }
    if (delta < 0) {
        return det == 0 ? ConicType::IntersectingLines : ConicType::Hyperbola;
    }
    if (det != 0) {
        return ConicType::Parabola;
    }
    return k < 0 ? ConicType::ParallelLines : k == 0 ? ConicType::DoubleLine : ConicType::EmptySet;
}

TEST(Corpus, IsLargeTypeableAndCoversEveryType) {
    int perType[kConicTypeCount] = {};
    for (const CorpusCase& c : corpus()) {
        ++perType[static_cast<int>(c.type)];
        for (std::int64_t t : c.typed) {
            ASSERT_LE(std::abs(t), 1000000) << c.family;
        }
    }
    EXPECT_GE(corpus().size(), 10000u);
    for (int type = 0; type < kConicTypeCount; ++type) {
        EXPECT_GE(perType[type], 200) << conicTypeName(static_cast<ConicType>(type));
    }
}

TEST(Corpus, ConstructionAgreesWithTheExactInvariants) {
    int disagreements = 0;
    for (const CorpusCase& c : corpus()) {
        const ConicType byInvariants = classifiedByInvariants(c.typed);
        if (byInvariants != c.type && ++disagreements <= 10) {
            ADD_FAILURE() << shown(typedInput(c.typed)) << " built as " << c.family << " ("
                          << conicTypeName(c.type) << "), invariants say "
                          << conicTypeName(byInvariants);
        }
    }
    EXPECT_EQ(disagreements, 0);
}

TEST(Corpus, EveryConicEndsAsItsTypeRequires) {
    int perType[kConicTypeCount] = {};
    double worstResidual = 0;
    Mismatches mismatches;
    for (const CorpusCase& c : corpus()) {
        ++perType[static_cast<int>(c.type)];
        mismatches.check(typedInput(c.typed), c, worstResidual);
    }
    std::ostringstream summary;
    summary << "corpus: " << corpus().size() << " conics (";
    for (int type = 0; type < kConicTypeCount; ++type) {
        summary << (type ? ", " : "") << conicTypeName(static_cast<ConicType>(type)) << " "
                << perType[type];
    }
    summary << "), " << mismatches.count() << " mismatches, worst hyperbola residual "
            << worstResidual << " of the rounding bound";
    std::printf("%s\n", summary.str().c_str());
    EXPECT_EQ(mismatches.count(), 0);
}

// Multiplying the whole equation by a positive number changes neither its curve nor any
// branch of the reduction; the typed decimals carry the factor as an exponent.
TEST(Corpus, ScaledByPowersOfTenKeepsTheOutcome) {
    double worstResidual = 0;
    Mismatches mismatches;
    int runs = 0;
    for (std::size_t i = 0; i < corpus().size(); i += 4) {
        for (const char* exponent : {"e8", "e-8"}) {
            mismatches.check(typedInput(corpus()[i].typed, exponent), corpus()[i], worstResidual);
            ++runs;
        }
    }
    std::printf("scaled corpus: %d runs (x1e8 and x1e-8), %d mismatches, worst hyperbola "
                "residual %g of the rounding bound\n",
                runs, mismatches.count(), worstResidual);
    EXPECT_EQ(mismatches.count(), 0);
}

} // namespace
