#include "app/conic.h"
#include "exact/invariants.h"
#include "scene/reduction_record.h"
#include "scene/scene.h"
#include "scene_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The record exactly as reading the typed coefficients fills it.
Conic typed(const char* x2, const char* xy, const char* y2, const char* x, const char* y,
            const char* free) {
    Conic c;
    c.a11 = std::strtof(x2, nullptr);
    c.a12 = std::strtof(xy, nullptr) * 0.5f;
    c.a22 = std::strtof(y2, nullptr);
    c.a13 = std::strtof(x, nullptr) * 0.5f;
    c.a23 = std::strtof(y, nullptr) * 0.5f;
    c.a33 = std::strtof(free, nullptr);
    return c;
}

struct Reduced {
    int result;
    std::string output;
};

class ReduceTest : public ::testing::Test {
  protected:
    void SetUp() override { clearScene(); }
    void TearDown() override { clearScene(); }

    Reduced reduce(Conic& c) {
        testing::internal::CaptureStdout();
        const int result = c.reduceConic();
        std::fflush(stdout);
        return {result, testing::internal::GetCapturedStdout()};
    }
};

const std::string kTooLarge = "Brojevi su preveliki za svodjenje na kanonski oblik.\n";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The console refuses such numbers; a record that holds them all the same is echoed, and
// the one line after the echo says that the numbers are too large.
TEST_F(ReduceTest, NonFiniteCoefficientsAreEchoedButNeverTraced) {
    for (const char* bad : {"nan", "inf", "-inf", "1e39"}) {
        Conic c = typed("1", "0", "4", "0", bad, "-4");
        const Reduced run = reduce(c);
        EXPECT_EQ(run.result, 1) << bad;
        EXPECT_EQ(run.output.find('\n') + 1 + kTooLarge.size(), run.output.size()) << bad;
        EXPECT_TRUE(endsWith(run.output, kTooLarge)) << bad;
        EXPECT_TRUE(sceneSegments.empty() && sceneLines.empty()) << bad;
    }
}

// (x - 1)^2 + 4 (y + 2)^2 - 4 = 0 is the ellipse with semi-axes 2 and 1 at every scale,
// although at 1e-30 and 1e30 the float determinant underflows or overflows.
TEST_F(ReduceTest, AnEllipseKeepsItsShapeAtExtremeScales) {
    const char* scaled[][6] = {
        {"1", "0", "4", "-2", "16", "13"},
        {"1e8", "0", "4e8", "-2e8", "16e8", "13e8"},
        {"1e-8", "0", "4e-8", "-2e-8", "16e-8", "13e-8"},
        {"1e30", "0", "4e30", "-2e30", "16e30", "13e30"},
        {"1e-30", "0", "4e-30", "-2e-30", "16e-30", "13e-30"},
    };
    for (const auto& t : scaled) {
        Conic c = typed(t[0], t[1], t[2], t[3], t[4], t[5]);
        const Reduced run = reduce(c);
        EXPECT_EQ(run.result, 0) << t[0];
        EXPECT_NE(run.output.find("Brojevi 2.000000 i 1.000000"), std::string::npos) << t[0];
        EXPECT_EQ(sceneSegments.size(), 100u) << t[0];
        // The centre (1, -2) is the origin of the translated frame.
        ASSERT_EQ(sceneLines.size(), 8u);
        EXPECT_NEAR(sceneLines[6].point.x, 1.0f, 1e-5) << t[0];
        EXPECT_NEAR(sceneLines[6].point.y, -2.0f, 1e-5) << t[0];
        clearScene();
    }
}

// No step is shown either when only the samples of the curve overflow.
TEST_F(ReduceTest, OverflowOnTheWayLeavesTheSceneEmpty) {
    Conic c = typed("1e-45", "0", "1", "0", "0", "-3e38");
    const Reduced run = reduce(c);
    EXPECT_EQ(run.result, 1);
    EXPECT_TRUE(sceneSegments.empty() && sceneLines.empty());
    EXPECT_EQ(run.output.find("<=>"), std::string::npos);
    EXPECT_TRUE(endsWith(run.output, kTooLarge));
}

// A single point is not traced but recorded for the window, which names it on demand, and only
// once its reduction is finite. (x - 1)^2 + (y - 2)^2 = 0 is the point (1, 2). With 1e-40 for
// X^2 and Y^2 and -8e-2 for X, the point lies 0.04 / 1e-40 = 4e38 away, beyond the floats,
// and 1.6e37 = 0.04^2 / 1e-40 makes it a point.
TEST_F(ReduceTest, ASinglePointIsRecordedOnlyWhenItsReductionIsFinite) {
    Conic point = typed("1", "0", "1", "-2", "-4", "5");
    ASSERT_EQ(reduce(point).result, 0);
    EXPECT_TRUE(sceneSegments.empty() && sceneLines.empty());
    EXPECT_EQ(reductionRecord.kind, SinglePoint);
    EXPECT_EQ(reductionRecord.translation(0, 2), 1.0f);
    EXPECT_EQ(reductionRecord.translation(1, 2), 2.0f);
    clearScene();

    Conic far = typed("1e-40", "0", "1e-40", "-8e-2", "0", "1.6e37");
    const ConicInvariants invariants = conicInvariants(far);
    ASSERT_EQ(invariants.quadraticDetSign, 1);
    ASSERT_EQ(invariants.fullDetSign, 0);
    const Reduced run = reduce(far);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(reductionRecord.kind, 0);
    EXPECT_EQ(run.output.find("<=>"), std::string::npos);
    EXPECT_TRUE(endsWith(run.output, kTooLarge));
}

// X^2 - 4Y = 0: the vertex path sets the translation and the reflection, not the rotation.
TEST_F(ReduceTest, TheVertexPathHandsOverTranslationAndReflection) {
    Conic c = typed("1", "0", "0", "0", "-4", "0");
    ASSERT_EQ(reduce(c).result, 0);
    EXPECT_EQ(c.a11, 0.0f);
    EXPECT_EQ(c.a22, 1.0f);
    EXPECT_EQ(c.a13, -2.0f);
    EXPECT_EQ(c.a23, 0.0f);
    EXPECT_EQ(c.a33, 0.0f);
    ASSERT_EQ(sceneSegments.size(), 200u);
    ASSERT_EQ(sceneLines.size(), 8u);
    EXPECT_EQ(sceneLines[2].direction.y, 1.0f); // reflected: green axis along (0, 1)
    EXPECT_EQ(sceneLines[4].direction.y, 1.0f); // no rotation
    EXPECT_TRUE(sceneIsFinite());
}

// 5x^2 + 4xy + 2y^2 - 24x - 12y + 18 = 0: centre (2, 1), eigenvalues 6 and 1, tan 2phi = 4/3.
TEST_F(ReduceTest, ARotatedEllipseHasItsFramesWhereTheReductionPutThem) {
    Conic c = typed("5", "4", "2", "-24", "-12", "18");
    const Reduced run = reduce(c);
    ASSERT_EQ(run.result, 0);
    EXPECT_EQ(c.a12, 0.0f);
    EXPECT_NEAR(c.a11, 1.0f, 1e-5); // reflected so that a11 <= a22
    EXPECT_NEAR(c.a22, 6.0f, 1e-5);
    EXPECT_NEAR(c.a33, -12.0f, 1e-4);
    ASSERT_EQ(sceneLines.size(), 8u);
    const Line rotatedX = sceneLines[4]; // reflection then rotation by atan(1/2)
    EXPECT_NEAR(rotatedX.direction.x, -1 / std::sqrt(5.0), 1e-6);
    EXPECT_NEAR(rotatedX.direction.y, 2 / std::sqrt(5.0), 1e-6);
    EXPECT_NEAR(sceneLines[6].point.x, 2.0f, 1e-5);
    EXPECT_NEAR(sceneLines[6].point.y, 1.0f, 1e-5);
}

// -X^2 + 2XY - 2Y^2 + 3X + 8Y + 3 = 0: centre (7, 5.5), free term 35.5, tan 2phi = 2. The sine
// and cosine of phi are stored as floats before the turned coefficients are formed from them;
// worked out that way, the exchanged a11 and a22 are -2.6180339 and -0.38196602 and the
// semi-axes print as below (with the sine left in double the last digit would be 1).
TEST_F(ReduceTest, TheTurnUsesTheSineAndCosineAsStoredFloats) {
    Conic c = typed("-1", "2", "-2", "3", "8", "3");
    const Reduced run = reduce(c);
    ASSERT_EQ(run.result, 0);
    EXPECT_NE(run.output.find("Brojevi 3.682363 i 9.640550"), std::string::npos) << run.output;
}

} // namespace
