#include "viewer/palette.h"
#include "viewer/shape_vertices.h"

#include <gtest/gtest.h>

namespace {

void expectRgb(ColorCode code, float red, float green, float blue) {
    const std::optional<Rgb> rgb = paletteColor(code);
    ASSERT_TRUE(rgb.has_value()) << code;
    EXPECT_EQ(rgb->red, red) << code;
    EXPECT_EQ(rgb->green, green) << code;
    EXPECT_EQ(rgb->blue, blue) << code;
}

Point point(float x, float y, float z) {
    Point p;
    p.x = x;
    p.y = y;
    p.z = z;
    return p;
}

void expectPoint(const Point& p, float x, float y, float z) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

TEST(PaletteTest, MapsTheTenCodes) {
    expectRgb(0, 1, 0, 0);
    expectRgb(1, 0, 1, 0);
    expectRgb(2, 0, 0, 1);
    expectRgb(3, 1, 1, 0);
    expectRgb(4, 1, 0.5f, 0);
    expectRgb(5, 1, 0, 1);
    expectRgb(6, 0, 1, 1);
    expectRgb(7, 0.5f, 0, 0.5f);
    expectRgb(8, 1, 1, 1);
    expectRgb(9, 0, 0, 0);
    EXPECT_EQ(kCurveColor, 0);
}

TEST(PaletteTest, OtherCodesHaveNoColor) {
    for (const ColorCode code : {-1, 10, -2147483647 - 1, 2147483647}) {
        EXPECT_FALSE(paletteColor(code).has_value()) << code;
    }
}

TEST(ShapeVerticesTest, ALineReachesAHundredDirectionsEitherWay) {
    Line line;
    line.point = point(2, 3, 0);
    line.direction = point(1, 0, 0);
    LineEnds ends = lineEnds(line, 100);
    expectPoint(ends.first, 102, 3, 0);
    expectPoint(ends.second, -98, 3, 0);

    // The direction is not normalised.
    line.direction = point(0.5f, 0, 0);
    ends = lineEnds(line, 100);
    expectPoint(ends.first, 52, 3, 0);
    expectPoint(ends.second, -48, 3, 0);

    line.point = point(0, 0, 1);
    line.direction = point(1, -2, 0.25f);
    ends = lineEnds(line, 100);
    expectPoint(ends.first, 100, -200, 26);
    expectPoint(ends.second, -100, 200, -24);

    // A huge view draws its lines farther.
    ends = lineEnds(line, 4e7f);
    expectPoint(ends.first, 4e7f, -8e7f, 1e7f + 1);
    expectPoint(ends.second, -4e7f, 8e7f, -1e7f + 1);
}

TEST(ShapeVerticesTest, CircleVerticesGoRoundFromTheRight) {
    Circle circle;
    circle.radius = 1;
    expectPoint(circleVertex(circle, 0), 1, 0, 0);
    const Point quarter = circleVertex(circle, 25);
    EXPECT_NEAR(quarter.x, 0.0f, 1e-7f);
    EXPECT_FLOAT_EQ(quarter.y, 1);
    const Point half = circleVertex(circle, 50);
    EXPECT_FLOAT_EQ(half.x, -1);
    EXPECT_NEAR(half.y, 0.0f, 1e-7f);

    circle.centre = point(5, -2, 3);
    circle.radius = 2;
    expectPoint(circleVertex(circle, 0), 7, -2, 3);
    EXPECT_FLOAT_EQ(circleVertex(circle, 25).y, 0);
}

TEST(ShapeVerticesTest, ARadiusOfZeroPutsEveryVertexOnTheCentre) {
    Circle circle;
    circle.centre = point(1, 2, 0);
    for (int i = 0; i < kCircleVertices; ++i) {
        expectPoint(circleVertex(circle, i), 1, 2, 0);
    }
}

} // namespace
