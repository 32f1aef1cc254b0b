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

} // namespace
