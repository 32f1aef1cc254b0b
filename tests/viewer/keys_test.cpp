#include "viewer/keys.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(KeysTest, CharacterKeysSpecialKeysAndTheWheelMapToActions) {
    const struct {
        unsigned char key;
        ViewAction action;
    } characters[] = {
        {27, ViewAction::Quit},       {'q', ViewAction::Quit},   {'Q', ViewAction::Quit},
        {'r', ViewAction::FirstView}, {'+', ViewAction::ZoomIn}, {'=', ViewAction::ZoomIn},
        {'-', ViewAction::ZoomOut},   {'s', ViewAction::Save},   {'S', ViewAction::Save},
        {'g', ViewAction::ToggleElements}, {'G', ViewAction::ToggleElements},
        {'m', ViewAction::ToggleGrid},     {'h', ViewAction::ToggleHelp},
        {'x', ViewAction::None},      {' ', ViewAction::None},   {'\r', ViewAction::None},
    };
    for (const auto& c : characters) {
        EXPECT_EQ(actionForKey(c.key), c.action) << int(c.key);
    }
    // GLUT_KEY_LEFT, UP, RIGHT, DOWN, then GLUT_KEY_HOME; F1 does nothing.
    EXPECT_EQ(actionForSpecialKey(100), ViewAction::PanLeft);
    EXPECT_EQ(actionForSpecialKey(101), ViewAction::PanUp);
    EXPECT_EQ(actionForSpecialKey(102), ViewAction::PanRight);
    EXPECT_EQ(actionForSpecialKey(103), ViewAction::PanDown);
    EXPECT_EQ(actionForSpecialKey(106), ViewAction::FirstView);
    EXPECT_EQ(actionForSpecialKey(1), ViewAction::None);
    // The wheel is GLUT's buttons 3 (up) and 4 (down); 0 to 2 are the drag buttons.
    EXPECT_FALSE(isWheelButton(0));
    EXPECT_FALSE(isWheelButton(2));
    EXPECT_EQ(actionForWheel(3), ViewAction::ZoomIn);
    EXPECT_EQ(actionForWheel(4), ViewAction::ZoomOut);
}

// A zoom step is a middle drag of 30 pixels: e^(-1 / 70) = 1 - 1/70 + 1/9800 - ... = 0.9858158
// up, its inverse 1.0143882 down. The picture is scaled by F / (2F - 1): 1.4598% larger,
// 1.3986% smaller.
TEST(KeysTest, AZoomStepIsThatOfAThirtyPixelDrag) {
    const float in = zoomStepFactor(ViewAction::ZoomIn);
    const float out = zoomStepFactor(ViewAction::ZoomOut);
    EXPECT_FLOAT_EQ(in, 0.9858158f);
    EXPECT_FLOAT_EQ(out, 1.0143882f);
    EXPECT_NEAR(in / (2 * in - 1), 1.014598, 1e-6);
    EXPECT_NEAR(out / (2 * out - 1), 0.986014, 1e-6);
    EXPECT_FLOAT_EQ(in * out, 1.0f);
}

TEST(KeysTest, AnArrowMovesThePictureATenthOfTheWindowItsWay) {
    const struct {
        ViewAction action;
        double dx;
        double dy;
    } steps[] = {
        {ViewAction::PanLeft, -102.4, 0}, {ViewAction::PanRight, 102.4, 0},
        {ViewAction::PanUp, 0, -70},      {ViewAction::PanDown, 0, 70},
        {ViewAction::ZoomIn, 0, 0},
    };
    for (const auto& s : steps) {
        const PixelStep step = panStep(s.action, 1024, 700);
        EXPECT_DOUBLE_EQ(step.dx, s.dx);
        EXPECT_DOUBLE_EQ(step.dy, s.dy);
    }
    EXPECT_DOUBLE_EQ(panStep(ViewAction::PanDown, 420, 5).dy, 0.5);
}

} // namespace
