#include "scene/curve.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

Conic canonical(float a11, float a22, float a13, float a23, float a33) {
    Conic c;
    c.a11 = a11;
    c.a22 = a22;
    c.a13 = a13;
    c.a23 = a23;
    c.a33 = a33;
    return c;
}

std::string printed(const char* format, float value) {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

void expectPoint(const Point& p, float x, float y) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_EQ(p.z, 0.0f);
    EXPECT_EQ(p.color, 9);
}

// Consecutive segments share their end points.
void expectChain(const std::vector<Segment>& segments, size_t first, size_t count) {
    for (size_t i = first + 1; i < first + count; ++i) {
        EXPECT_EQ(segments[i].a.x, segments[i - 1].b.x);
        EXPECT_EQ(segments[i].a.y, segments[i - 1].b.y);
    }
}

TEST(Curve, EllipseStartsAtTheMajorVertexAndClosesUpToASmallGap) {
    const CurveShapes e = sampleCurve(canonical(1, 4, 0, 0, -4), Ellipse);
    ASSERT_EQ(e.segments.size(), 100u);
    EXPECT_TRUE(e.lines.empty());
    expectPoint(e.segments[0].a, 2.0f, 0.0f);
    expectPoint(e.segments[0].b, 1.9960535f, 0.0627905f);
    // The figures as the sampled floats print at that many digits.
    EXPECT_EQ(printed("%.8g", e.segments[0].b.x), "1.9960535");
    EXPECT_EQ(printed("%.6g", e.segments[0].b.y), "0.0627905");
    expectChain(e.segments, 0, 100);
    const Point last = e.segments[99].b;
    EXPECT_NEAR(last.x, 2.0f, 1e-6);
    EXPECT_NEAR(last.y, 2.1e-6, 0.2e-6);
}

TEST(Curve, HyperbolaHasTwoSeparateBranchesAcrossTheXAxis) {
    const CurveShapes h = sampleCurve(canonical(1, -1, 0, 0, -1), Hyperbola);
    ASSERT_EQ(h.segments.size(), 400u);
    expectPoint(h.segments[0].a, 10.067662f, -10.017876f);
    expectPoint(h.segments[199].b, 10.067795f, 10.018008f);
    expectPoint(h.segments[200].a, -10.067662f, -10.017876f);
    expectChain(h.segments, 0, 200);
    expectChain(h.segments, 200, 200);
}

// x^2/A^2 - y^2/B^2 = +-1 up to the float sampling: the residue of the canonical equation
// relative to the size of its terms stays at the level of float rounding.
double relativeResidue(const Conic& c, const Point& p) {
    const double x2 = static_cast<double>(c.a11) * p.x * p.x;
    const double y2 = static_cast<double>(c.a22) * p.y * p.y;
    return std::fabs(x2 + y2 + c.a33) / (std::fabs(x2) + std::fabs(y2) + std::fabs(c.a33));
}

TEST(Curve, HyperbolaWithBranchesAcrossTheYAxisSatisfiesItsEquation) {
    for (const Conic& c : {canonical(1, -1, 0, 0, 1), canonical(-4, 9, 0, 0, -36)}) {
        const CurveShapes h = sampleCurve(c, Hyperbola);
        ASSERT_EQ(h.segments.size(), 400u);
        EXPECT_GT(h.segments[0].a.y, 0.0f);   // first branch above the x axis
        EXPECT_LT(h.segments[200].a.y, 0.0f); // second below
        for (const Segment& s : h.segments) {
            EXPECT_LT(relativeResidue(c, s.a), 1e-5);
            EXPECT_LT(relativeResidue(c, s.b), 1e-5);
        }
    }
}

TEST(Curve, ParabolaRunsFromYMinusFiveToFivePastTheVertex) {
    const CurveShapes p = sampleCurve(canonical(0, 1, -1, 0, 0), Parabola);
    ASSERT_EQ(p.segments.size(), 200u);
    expectPoint(p.segments[0].a, 12.5f, -5.0f);
    expectPoint(p.segments[199].b, 12.50001f, 5.0000019f);
    const Point middle = p.segments[99].b;
    EXPECT_LT(std::hypot(middle.x, middle.y), 2e-5);
    expectChain(p.segments, 0, 200);

    const CurveShapes mirrored = sampleCurve(canonical(0, 1, 1, 0, 0), Parabola);
    for (size_t i = 0; i < 200; ++i) {
        EXPECT_EQ(mirrored.segments[i].b.x, -p.segments[i].b.x);
        EXPECT_EQ(mirrored.segments[i].b.y, p.segments[i].b.y);
    }
}

TEST(Curve, StraightKindsGiveLinesThroughTheirRoots) {
    const CurveShapes crossing = sampleCurve(canonical(4, -1, 0, 0, 0), IntersectingLines);
    ASSERT_EQ(crossing.lines.size(), 2u);
    expectPoint(crossing.lines[0].point, 0, 0);
    expectPoint(crossing.lines[0].direction, 1, 2);
    expectPoint(crossing.lines[1].direction, 1, -2);

    const CurveShapes parallel = sampleCurve(canonical(0, 1, 0, 0, -4), ParallelLines);
    ASSERT_EQ(parallel.lines.size(), 2u);
    expectPoint(parallel.lines[0].point, 0, 2);
    expectPoint(parallel.lines[1].point, 0, -2);
    expectPoint(parallel.lines[0].direction, 1, 0);
    const CurveShapes narrower = sampleCurve(canonical(0, 4, 0, 0, -4), ParallelLines);
    expectPoint(narrower.lines[0].point, 0, 1);
    expectPoint(narrower.lines[1].point, 0, -1);

    const CurveShapes twice = sampleCurve(canonical(0, 1, 0, -1, 1), DoubleLine);
    ASSERT_EQ(twice.lines.size(), 1u);
    expectPoint(twice.lines[0].point, 0, 1);
    expectPoint(twice.lines[0].direction, 1, 0);
    EXPECT_TRUE(twice.segments.empty());
}

TEST(Curve, FinitenessCheckCatchesOverflow) {
    EXPECT_TRUE(isFinite(sampleCurve(canonical(1, 4, 0, 0, -4), Ellipse)));
    EXPECT_FALSE(isFinite(sampleCurve(canonical(1e-45f, 1, 0, 0, -3e38f), Ellipse)));
    EXPECT_FALSE(isFinite(sampleCurve(canonical(0, 3e38f, 1e-45f, 0, 0), Parabola)));
}

class TraceTest : public ::testing::Test {
  protected:
    void SetUp() override { clearScene(); }
    void TearDown() override { clearScene(); }

    std::string trace(Conic c, CurveKind kind) {
        testing::internal::CaptureStdout();
        c.traceCurve(kind, Matrix(), Matrix(), Matrix());
        std::fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(TraceTest, EllipsePrintsItsSemiAxesBeforeTheLegendsOnOneLine) {
    const std::string out = trace(canonical(1, 4, 0, 0, -4), Ellipse);
    EXPECT_EQ(out.rfind("Brojevi 2.000000 i 1.000000Zeleno je x-osa, plavo y.\n", 0), 0u);
    EXPECT_EQ(sceneSegments.size(), 100u);
    EXPECT_EQ(sceneSegments[0].color, 0);
    EXPECT_EQ(sceneLines.size(), 8u);
    EXPECT_FLOAT_EQ(boxMin.x, -2.0f);
    EXPECT_FLOAT_EQ(boxMax.y, 1.0f);
}

TEST_F(TraceTest, CurveLinesComeAfterTheAxesSoTheyAreDrawnOverThem) {
    trace(canonical(0, 1, 0, 0, 0), DoubleLine);
    ASSERT_EQ(sceneLines.size(), 9u);
    EXPECT_EQ(sceneLines[0].color, 1);
    EXPECT_EQ(sceneLines[8].color, 0);
    EXPECT_EQ(boxMin.x, 1024.0f);
}

TEST_F(TraceTest, AnUnknownKindAddsOnlyTheAxes) {
    const std::string out = trace(canonical(1, 4, 0, 0, -4), 7);
    EXPECT_EQ(out.find("Brojevi"), std::string::npos);
    EXPECT_TRUE(sceneSegments.empty());
    EXPECT_EQ(sceneLines.size(), 8u);
}

} // namespace
