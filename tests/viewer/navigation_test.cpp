#include "viewer/navigation.h"

#include <gtest/gtest.h>

namespace {

TEST(NavigationTest, HeldButtonsChooseTheDragMode) {
    // Arguments: left, middle, right.
    EXPECT_EQ(dragMode(false, false, false), DragMode::None);
    EXPECT_EQ(dragMode(true, false, false), DragMode::Pan);
    EXPECT_EQ(dragMode(false, false, true), DragMode::Rotate);
    EXPECT_EQ(dragMode(true, false, true), DragMode::Zoom);
    EXPECT_EQ(dragMode(false, true, false), DragMode::Zoom);
    EXPECT_EQ(dragMode(true, true, false), DragMode::Zoom);
    EXPECT_EQ(dragMode(false, true, true), DragMode::Zoom);
    EXPECT_EQ(dragMode(true, true, true), DragMode::Zoom);
}

TEST(NavigationTest, RotationTurnsByTheStepLengthOverTheViewportWidth) {
    // 50 / 1025 * 180, clockwise since the step goes right.
    EXPECT_FLOAT_EQ(rotationAngle(30, 40, 1024), -8.780488f);
    // 40 / 1025 * 180, counter-clockwise for steps straight down or to the left.
    EXPECT_FLOAT_EQ(rotationAngle(0, 40, 1024), 7.024390f);
    EXPECT_FLOAT_EQ(rotationAngle(-40, 0, 1024), 7.024390f);
    EXPECT_FLOAT_EQ(rotationAngle(0, -40, 1024), 7.024390f);
    // A step as long as the viewport is wide turns by just under 180 degrees.
    EXPECT_FLOAT_EQ(rotationAngle(-1024, 0, 1024), 179.82439f);
}

TEST(NavigationTest, LongStepsDoNotOverflowTheSquares) {
    // 60000 * sqrt(2) = 84852.814; / 1025 * 180 = 14900.982.
    EXPECT_FLOAT_EQ(rotationAngle(60000, 60000, 1024), -14900.982f);
    EXPECT_FLOAT_EQ(rotationAngle(-65535, 0, 1), 5898150.0f);
}

TEST(NavigationTest, ZoomFactorIsAnExponentialOfTheVerticalStep) {
    EXPECT_FLOAT_EQ(zoomFactor(210), 1.1051710f);
    EXPECT_FLOAT_EQ(zoomFactor(-210), 0.9048374f);
    EXPECT_EQ(zoomFactor(0), 1.0f);
    // Steps add up: two steps of 105 zoom as much as one of 210.
    EXPECT_FLOAT_EQ(zoomFactor(105) * zoomFactor(105), zoomFactor(210));
}

TEST(NavigationTest, PinchStepFollowsTheTwoFingers) {
    // Fingers before, fingers after (window pixels, y downwards), then the expected midpoints,
    // scale and turn in degrees (counter-clockwise on the screen positive).
    struct Case {
        FingerPair before, after;
        PinchStep expected;
    };
    const Case cases[] = {
        // Both move by (5, 7): a pan only.
        {{0, 0, 10, 0}, {5, 7, 15, 7}, {5, 0, 10, 7, 1, 0}},
        // Twice as far apart along the same line.
        {{0, 0, 0, 100}, {0, -50, 0, 150}, {0, 50, 0, 50, 2, 0}},
        // 200 apart becomes 200*sqrt(2) on the diagonal going down: 45 degrees clockwise.
        {{100, 200, 300, 200}, {100, 100, 300, 300}, {200, 200, 200, 200, 1.4142135623730951, -45}},
        // The second finger goes up above the first: a quarter turn counter-clockwise.
        {{0, 0, 100, 0}, {0, 0, 0, -100}, {50, 0, 0, -50, 1, 90}},
        // Across the half turn: from 1 below to 1 above the left, 2 atan(1/100) clockwise.
        {{0, 0, -100, 1}, {0, 0, -100, -1}, {-50, 0.5, -50, -0.5, 1, -1.1458776}},
        // Fingers that meet leave the size as it is.
        {{10, 10, 10, 10}, {10, 10, 30, 10}, {10, 10, 20, 10, 1, 0}},
    };
    for (const Case& c : cases) {
        const PinchStep step = pinchStep(c.before, c.after);
        EXPECT_DOUBLE_EQ(step.fromX, c.expected.fromX);
        EXPECT_DOUBLE_EQ(step.fromY, c.expected.fromY);
        EXPECT_DOUBLE_EQ(step.toX, c.expected.toX);
        EXPECT_DOUBLE_EQ(step.toY, c.expected.toY);
        EXPECT_NEAR(step.scale, c.expected.scale, 1e-12);
        EXPECT_NEAR(step.degrees, c.expected.degrees, 1e-6);
    }
}

// A window pixel (y downwards) through the matrix, back in window pixels.
std::array<double, 2> throughMatrix(const std::array<double, 16>& m, double x, double y,
                                    double width, double height) {
    const double ndcX = 2 * x / width - 1;
    const double ndcY = 1 - 2 * y / height;
    const double outX = m[0] * ndcX + m[4] * ndcY + m[12];
    const double outY = m[1] * ndcX + m[5] * ndcY + m[13];
    return {(outX + 1) * width / 2, (1 - outY) * height / 2};
}

TEST(NavigationTest, PinchMatrixMovesScalesAndTurnsInWindowPixels) {
    // In a window of 200 x 100: the step, a pixel and where it goes.
    struct Case {
        PinchStep step;
        double x, y, expectedX, expectedY;
    };
    const Case cases[] = {
        // Moved by (10, 0).
        {{50, 50, 60, 50, 1, 0}, 150, 20, 160, 20},
        // Twice as large about the centre: 50 right becomes 100 right, 30 up 60 up.
        {{100, 50, 100, 50, 2, 0}, 150, 50, 200, 50},
        {{100, 50, 100, 50, 2, 0}, 100, 20, 100, -10},
        // A quarter turn counter-clockwise about the centre: right goes up, up goes left.
        {{100, 50, 100, 50, 1, 90}, 150, 50, 100, 0},
        {{100, 50, 100, 50, 1, 90}, 100, 20, 70, 50},
        // About (0, 0), half as large, half a turn, then to (10, 10): (20, 40) becomes
        // (10, 10) - (20, 40) / 2.
        {{0, 0, 10, 10, 0.5, 180}, 20, 40, 0, -10},
    };
    for (const Case& c : cases) {
        const auto moved = throughMatrix(pinchMatrix(c.step, 200, 100), c.x, c.y, 200, 100);
        EXPECT_NEAR(moved[0], c.expectedX, 1e-9);
        EXPECT_NEAR(moved[1], c.expectedY, 1e-9);
    }
    // Depth and w pass unchanged.
    const auto m = pinchMatrix({0, 0, 10, 10, 0.5, 180}, 200, 100);
    EXPECT_EQ(m[10], 1.0);
    EXPECT_EQ(m[15], 1.0);
    EXPECT_EQ(m[2] + m[3] + m[6] + m[7] + m[8] + m[9] + m[11] + m[14], 0.0);
}

} // namespace
