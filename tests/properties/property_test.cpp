// The mathematics of the reduction, over thousands of conics: the oracle corpus of known
// types (also scaled by 1e8 and 1e-8) and random float coefficients. For every traced curve,
// the frames of the reduction give back its translation, rotation and reflection; every
// traced point mapped back with them must lie on the entered curve, the rotation must remove
// the X*Y term, and the canonical record must be the entered equation in the final frame,
// in the form its kind has. The conic mirrored through the origin must reduce to the mirror
// image: that catches a sign taken from nowhere, which a residual cannot see when the floats
// cannot resolve it.
#include "property_checks.h"
#include "random_conics.h"
#include "tests/corpus/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// Tallies the conics and the worst figures, and reports the first few disagreements.
class Survey {
  public:
    explicit Survey(const char* name) : name_(name) {}

    void check(const Conic& entered) {
        ++conics_;
        const TracedConic run = traceConic(entered);
        const std::string mirror = mirrorProblem(run, traceConic(mirroredThroughOrigin(entered)));
        if (!mirror.empty() && ++disagreements_ <= kReported) {
            ADD_FAILURE() << describe(run, Agreement{mirror});
        }
        if (run.kind == 0) {
            return;
        }
        ++kinds_[run.kind];
        points_ += run.curvePoints.size();
        const Agreement a = agreementOf(run);
        worst_.turnedFrame = std::max(worst_.turnedFrame, a.turnedFrame);
        worst_.mixedTerm = std::max(worst_.mixedTerm, a.mixedTerm);
        worst_.canonicalForm = std::max(worst_.canonicalForm, a.canonicalForm);
        worst_.curvePoints = std::max(worst_.curvePoints, a.curvePoints);
        if (!agrees(a) && ++disagreements_ <= kReported) {
            ADD_FAILURE() << describe(run, a);
        }
    }

    int disagreements() const { return disagreements_; }

    void print() const {
        std::printf("%s: %d conics, traced: %d ellipses, %d hyperbolas, %d parabolas, %d crossing "
                    "line pairs, %d parallel line pairs, %d double lines; %zu points; worst "
                    "figures (tolerance): frame %.2g (%.0g), X*Y term %.2g (%.0g), canonical "
                    "form %.2g (%.0g), points %.2g (%.0g); %d disagreements\n",
                    name_, conics_, kinds_[1], kinds_[2], kinds_[3], kinds_[4], kinds_[5],
                    kinds_[6], points_, worst_.turnedFrame, kFrameTolerance, worst_.mixedTerm,
                    kMixedTermTolerance, worst_.canonicalForm, kCanonicalTolerance,
                    worst_.curvePoints, kPointTolerance, disagreements_);
    }

  private:
    static constexpr int kReported = 10;

    static std::string describe(const TracedConic& run, const Agreement& a) {
        const Conic& e = run.entered;
        const Conic& k = run.canonical;
        std::ostringstream out;
        out.precision(9);
        out << "entered a11=" << e.a11 << " a12=" << e.a12 << " a22=" << e.a22 << " a13=" << e.a13
            << " a23=" << e.a23 << " a33=" << e.a33 << "\n  kind " << run.kind
            << ", canonical a11=" << k.a11 << " a12=" << k.a12 << " a22=" << k.a22
            << " a13=" << k.a13 << " a23=" << k.a23 << " a33=" << k.a33 << "\n  " << a.problem
            << " frame " << a.turnedFrame << ", X*Y term " << a.mixedTerm << ", canonical form "
            << a.canonicalForm << ", points " << a.curvePoints;
        return out.str();
    }

    const char* name_;
    int conics_ = 0;
    int kinds_[7] = {};
    std::size_t points_ = 0;
    Agreement worst_;
    int disagreements_ = 0;
};

// Coefficients near the ends of the float range, where a float step overflows or underflows,
// and float residues that the exact decisions replace. A curve that the floats can still show
// must be traced; where they cannot, the run may end without a picture, but whatever is
// traced must agree with the entered equation, and its mirror image with the mirrored one.
TEST(ReductionProperties, HoldNearTheEndsOfTheFloatRange) {
    const struct {
        const char* typed;
        bool mustTrace;
    } cases[] = {
        {"3e38 3e38 1 0 0 1", false},       // the turned X^2 coefficient overflows
        {"1 0 -1 0 1e-30 0", false},        // a hyperbola whose free term is below the floats
        {"1 0 1 0 1e-30 0", false},         // an ellipse whose free term is below the floats
        {"0 2e-20 1e20 0 0 0", false},      // crossing lines, one eigenvalue below the floats
        {"0 1e-22 0 1 0 0", true},          // x (1e-22 y + 1) = 0: a subnormal float det
        {"0 0 1e-30 0 1e-30 0", true},      // 1e-30 y (y + 1) = 0: y = 0 and y = -1
        {"1e30 0 1e30 1e30 0 0", true},     // a float det that overflows
        {"1e-30 0 1e-30 0 0 -1e-30", true}, // a float det that underflows to 0
        {"1e30 0 1 0 0 -1", true},
        {"1e-30 0 1 0 0 -1", true},
        {"3.4e38 0 -3.4e38 0 0 3.4e38", true},
        {"9 -24 16 -20 110 -50", true}, // a turned X^2 residue of 4e-15
        {"0.1 0.3 0.225 1 0 0", true},  // a float det of -2e-9 for a parabola
        // (x - 12 y)^2 and (x - 10 y)^2 with linear terms whose part along the null axis
        // cancels to exactly 0 in the turned float frame, though not in exact arithmetic.
        {"1 -24 144 0.16609095 -1.99309146 0", true},
        {"1 -24 144 -0.16609095 1.99309146 0", true},
        {"1 -20 100 0.398014873 -3.98014879 0", true},
    };
    for (const auto& c : cases) {
        const Conic entered = typedConic(c.typed);
        const TracedConic run = traceConic(entered);
        EXPECT_EQ(mirrorProblem(run, traceConic(mirroredThroughOrigin(entered))), "") << c.typed;
        if (run.kind == 0) {
            EXPECT_FALSE(c.mustTrace) << c.typed << ": nothing traced";
            continue;
        }
        const Agreement a = agreementOf(run);
        EXPECT_TRUE(agrees(a)) << c.typed << ": " << a.problem << " frame " << a.turnedFrame
                               << ", X*Y term " << a.mixedTerm << ", canonical form "
                               << a.canonicalForm << ", points " << a.curvePoints;
    }
}

TEST(ReductionProperties, HoldForTheOracleCorpus) {
    const std::vector<CorpusCase> corpus = buildCorpus();
    Survey survey("oracle corpus");
    for (const CorpusCase& c : corpus) {
        survey.check(typedConic(c.typed));
    }
    survey.print();
    EXPECT_EQ(survey.disagreements(), 0);
}

TEST(ReductionProperties, HoldForTheScaledOracleCorpus) {
    const std::vector<CorpusCase> corpus = buildCorpus();
    Survey survey("oracle corpus scaled by 1e8 and 1e-8");
    for (std::size_t i = 0; i < corpus.size(); i += 2) {
        survey.check(typedConic(corpus[i].typed, "e8"));
        survey.check(typedConic(corpus[i].typed, "e-8"));
    }
    survey.print();
    EXPECT_EQ(survey.disagreements(), 0);
}

TEST(ReductionProperties, HoldForRandomFloatCoefficients) {
    RandomConics random;
    Survey survey("random float coefficients");
    for (int i = 0; i < 30000; ++i) {
        survey.check(random.next());
    }
    survey.print();
    EXPECT_EQ(survey.disagreements(), 0);
}

} // namespace
