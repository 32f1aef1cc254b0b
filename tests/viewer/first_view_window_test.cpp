#include "konika_window.h"
#include "window_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// The whole ellipse in the first view of a window of any shape. At eye distance d a unit of the
// plane spans 350 / (d tan 30) pixels of a window 700 high; the camera moves back from the
// box's width only where that would cut the ellipse off.
namespace {

struct FirstViewCase {
    std::string name;
    std::vector<std::string> coefficients;
    int width;
    Outline outline;
};

void PrintTo(const FirstViewCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<std::string> kTall = {"-4", "0", "-1", "0", "0", "4"};
const std::vector<std::string> kTaller = {"-1", "0", "-9", "0", "0", "9"};
const std::vector<std::string> kWide = {"1", "0", "4", "0", "0", "-4"};

const std::vector<FirstViewCase> kCases = {
    // 4X^2 + Y^2 = 4: semi-axes 1 across and 2 up, eye 4 (the height): 303 x 606.
    {"TallEllipse", kTall, 1024, {511.5, 349.5, 303.1, 606.2}},
    {"TallEllipseNarrowWindow", kTall, 420, {209.5, 349.5, 303.1, 606.2}},
    // X^2 + 9Y^2 = 9: semi-axes 1 and 3, eye 6: 202 x 606.
    {"TallerEllipse", kTaller, 1024, {511.5, 349.5, 202.1, 606.2}},
    {"TallerEllipseNarrowWindow", kTaller, 420, {209.5, 349.5, 202.1, 606.2}},
    // X^2 + 4Y^2 = 4 at 420 x 700: eye 4 / 0.6 = 6.667, so that the width 4 spans 364 of 420.
    {"WideEllipseNarrowWindow", kWide, 420, {209.5, 349.5, 363.7, 181.9}},
};

class FirstViewWindowTest : public ::testing::TestWithParam<FirstViewCase> {};

TEST_P(FirstViewWindowTest, ShowsTheWholeEllipseAndAgainAfterResizingBack) {
    XvfbServer server;
    KonikaWindow window(server, GetParam().coefficients);
    const Picture initial = window.settledPicture();
    window.resize(GetParam().width, 700);
    const Picture shown = waitForRedOutline(window, GetParam().outline);
    EXPECT_EQ(shown.width, GetParam().width);
    window.resize(1024, 700);
    EXPECT_TRUE(window.waitForPicture([&](const Picture& p) { return p == initial; },
                                      "the first picture") == initial);
}

INSTANTIATE_TEST_SUITE_P(WindowShapes, FirstViewWindowTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FirstViewCase>& info) {
                             return info.param.name;
                         });

} // namespace
