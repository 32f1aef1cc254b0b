#include "viewer/help_lines.h"
#include "viewer/keys.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>
#include <sstream>
#include <string>

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

// What the lines of h name before their colons, each name trimmed of blanks.
std::set<std::string> namedInHelp() {
    std::set<std::string> named;
    for (const char* line : kHelpLines) {
        const std::string text(line);
        std::istringstream names(text.substr(0, text.find(':')));
        std::string name;
        while (std::getline(names, name, ',')) {
            const size_t first = name.find_first_not_of(' ');
            named.insert(first == std::string::npos ? "" : name.substr(first));
        }
    }
    return named;
}

// A key that does something and is missing from the list of h would be one the user cannot
// find in the window; letters count in one case, Escape is "Esc".
TEST(KeysTest, TheListOfHNamesEveryKeyThatDoesSomething) {
    const std::set<std::string> named = namedInHelp();
    for (int c = 1; c < 128; ++c) {
        const auto key = static_cast<unsigned char>(c);
        if (actionForKey(key) == ViewAction::None || std::isupper(key)) {
            continue;
        }
        const std::string name = key == kEscape ? "Esc" : std::string(1, char(key));
        EXPECT_EQ(named.count(name), 1u) << name;
    }
    for (const char* other : {"Home", "strelice", "tockic"}) {
        EXPECT_EQ(named.count(other), 1u) << other;
    }
}

} // namespace
