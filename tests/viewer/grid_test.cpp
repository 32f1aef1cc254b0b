#include "viewer/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(GridStep, IsTheSmallestRoundStepWithAtMostTenLinesAcross) {
    const struct {
        double extent;
        double step;
    } cases[] = {
        {10.13, 2},       // the turned ellipse's first view
        {6.77, 1},        // after zooming in 1.49 times
        {10.0, 1},        // ten lines exactly
        {10.0001, 2},     // just over
        {0.0035, 0.0005}, // a tiny circle
        {400000, 50000},  // huge parallel lines
        {0.0, 0.0},       // nothing to divide
        {-1.0, 0.0},      // no extent
        {std::numeric_limits<double>::infinity(), 0.0},
        {std::nan(""), 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(gridStep(c.extent), c.step, c.step * 1e-12) << c.extent;
    }
    for (double extent = 1e-6; extent < 1e6; extent *= 1.07) {
        const double lines = extent / gridStep(extent);
        EXPECT_GT(lines, 4.0) << extent;
        EXPECT_LE(lines, 10.0 + 1e-9) << extent;
    }
}

// A view 10.14 x 6.92 about the origin: a step of 2, the numbers on the axes; panned to the
// right of the Y axis, the numbers of the lines along Y go to the view's left edge.
TEST(GridLines, CoverTheViewWithTheNumbersOnTheAxesOrTheEdge) {
    const PlaneSpot centred[4] = {{-5.07, -3.46}, {5.07, -3.46}, {5.07, 3.46}, {-5.07, 3.46}};
    const std::vector<GridLine> lines = gridLines(centred);
    ASSERT_EQ(lines.size(), 5u + 3u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i].vertical);
        EXPECT_DOUBLE_EQ(lines[i].value, -4.0 + 2 * i);
        EXPECT_DOUBLE_EQ(lines[i].label.y, 0.0);
    }
    for (int i = 5; i < 8; ++i) {
        EXPECT_FALSE(lines[i].vertical);
        EXPECT_DOUBLE_EQ(lines[i].value, -2.0 + 2 * (i - 5));
        EXPECT_DOUBLE_EQ(lines[i].label.x, 0.0);
    }

    const PlaneSpot panned[4] = {{10, -3.46}, {20.14, -3.46}, {20.14, 3.46}, {10, 3.46}};
    for (const GridLine& line : gridLines(panned)) {
        if (!line.vertical) {
            EXPECT_DOUBLE_EQ(line.label.x, 10.0);
        }
    }
}

} // namespace
