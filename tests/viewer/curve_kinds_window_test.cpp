#include "konika_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Every kind of curve opens on a picture that shows it. The expected sizes follow from the
// camera: at eye distance d a unit of the plane spans 350 / (d tan 30) pixels of a window 700
// high.
namespace {

struct CurveCase {
    std::string name;
    std::vector<std::string> coefficients;
    std::function<void(const Picture&)> check;
};

void PrintTo(const CurveCase& curve, std::ostream* out) {
    *out << curve.name;
}

void expectRedBox(const Picture& picture, double width, double height) {
    const PixelBox red = boxOf(picture, kRed);
    EXPECT_NEAR(red.width(), width, 4);
    EXPECT_NEAR(red.height(), height, 4);
    EXPECT_NEAR(red.centreX(), 511.5, 2);
    EXPECT_NEAR(red.centreY(), 349.5, 2);
}

// A red line across the whole width near row y, drawn over any axis lying on it.
void expectRedRowNear(const Picture& picture, int y) {
    int best = 0;
    for (int row = y - 2; row <= y + 2; ++row) {
        best = std::max(best, countInRow(picture, row, kRed));
    }
    EXPECT_GE(best, 1020) << "row " << y;
}

// Two red lines crossing at the centre, steep enough to meet every row: each row away from the
// crossing holds red pixels of both.
void expectTwoRedLinesThroughTheCentre(const Picture& picture) {
    int rowsWithTwo = 0;
    for (int y = 0; y < picture.height; ++y) {
        if (std::abs(y - 350) < 5) {
            continue;
        }
        int firstRed = -1;
        int lastRed = -1;
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == kRed) {
                firstRed = firstRed < 0 ? x : firstRed;
                lastRed = x;
            }
        }
        rowsWithTwo += firstRed >= 0 && lastRed - firstRed > 2;
    }
    EXPECT_GE(rowsWithTwo, 680);
}

// x = y^2 / 4 for |y| <= 5: box 0..6.25 wide, eye 6.25, centre x 3.125. The vertex lies
// 3.125 * 97.0 = 303 pixels left of the centre, and the arms leave at the top and bottom.
void expectParabolaOpeningRight(const Picture& p) {
    const PixelBox red = boxOf(p, kRed);
    EXPECT_NEAR(red.minX, 208.5, 3);
    EXPECT_EQ(red.minY, 0);
    EXPECT_EQ(red.maxY, 699);
}

const std::vector<CurveCase> kCurves = {
    // Semi-axes 2 and 1, eye 4: 606 x 303.
    {"Ellipse",
     {"1", "0", "4", "0", "0", "-4"},
     [](const Picture& p) { expectRedBox(p, 606, 303); }},
    // Branches x = +-cosh s, y = sinh s for |s| <= 3, reaching x = 10.068 and y = 10.018; eye
    // 20.136: 606 x 603, and nothing red on the y axis.
    {"HyperbolaAcrossX",
     {"1", "0", "-1", "0", "0", "-1"},
     [](const Picture& p) {
         expectRedBox(p, 606, 603);
         EXPECT_EQ(countInColumn(p, 511, kRed) + countInColumn(p, 512, kRed), 0);
     }},
    // The same turned a quarter: eye 20.036, 606 x 609, nothing red on the x axis.
    {"HyperbolaAcrossY",
     {"1", "0", "-1", "0", "0", "1"},
     [](const Picture& p) {
         expectRedBox(p, 606, 609);
         EXPECT_EQ(countInRow(p, 349, kRed) + countInRow(p, 350, kRed), 0);
     }},
    {"ParabolaAlongX", {"0", "0", "1", "-4", "0", "0"}, expectParabolaOpeningRight},
    // X^2 = 4Y is traced in its canonical frame as Y^2 = 4X: the same picture.
    {"ParabolaAlongY", {"1", "0", "0", "0", "-4", "0"}, expectParabolaOpeningRight},
    {"IntersectingLines", {"1", "0", "-1", "0", "0", "0"}, expectTwoRedLinesThroughTheCentre},
    // X*Y = 0 turns by 45 degrees into lines that lie on the turned frames' axes.
    {"IntersectingLinesOnTheAxes",
     {"0", "1", "0", "0", "0", "0"},
     expectTwoRedLinesThroughTheCentre},
    // y = +-1 framed at eye 4: 151.5 pixels above and below the centre.
    {"ParallelLines",
     {"0", "0", "1", "0", "0", "-1"},
     [](const Picture& p) {
         expectRedRowNear(p, 198);
         expectRedRowNear(p, 501);
     }},
    // y = 0, on the x axes of every frame.
    {"DoubleLine",
     {"0", "0", "1", "0", "0", "0"},
     [](const Picture& p) { expectRedRowNear(p, 350); }},
    // (X + 2Y)^2 = 0 turns into 5Y^2 = 0.
    {"TurnedDoubleLine",
     {"1", "4", "4", "0", "0", "0"},
     [](const Picture& p) { expectRedRowNear(p, 350); }},
    // 5X^2 + 4XY + 2Y^2 - 24X - 12Y + 18 = 0 reduces to X^2 + 6Y^2 - 12 = 0: semi-axes 3.464
    // and 1.414, eye 6.928: 606 x 247.
    {"TurnedAndMovedEllipse",
     {"5", "4", "2", "-24", "-12", "18"},
     [](const Picture& p) { expectRedBox(p, 606, 247.5); }},
    // Radius 0.001 and 100000: eye 0.002 and 200000, both 606 x 606.
    {"TinyCircle",
     {"1", "0", "1", "0", "0", "-0.000001"},
     [](const Picture& p) { expectRedBox(p, 606, 606); }},
    // The axes still cross the whole huge view.
    {"HugeCircle",
     {"1", "0", "1", "0", "0", "-1e10"},
     [](const Picture& p) {
         expectRedBox(p, 606, 606);
         EXPECT_GE(countInRow(p, 350, kMagenta) + countInRow(p, 349, kMagenta), 1000);
     }},
    // y = +-100000: framed at eye 400000, and drawn across the window.
    {"HugeParallelLines",
     {"0", "0", "1", "0", "0", "-1e10"},
     [](const Picture& p) {
         expectRedRowNear(p, 198);
         expectRedRowNear(p, 501);
     }},
};

class CurveKindWindowTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveKindWindowTest, OpensOnThePictureOfTheCurve) {
    XvfbServer server;
    KonikaWindow window(server, GetParam().coefficients);
    const Picture picture =
        window.waitForPicture([](const Picture& p) { return countOf(p, kRed) > 0; }, "red pixels");
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 700);
    EXPECT_TRUE(isBackground(picture.at(0, 0)));
    EXPECT_GT(countOf(picture, kRed), 500);
    GetParam().check(picture);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, CurveKindWindowTest, ::testing::ValuesIn(kCurves),
                         [](const ::testing::TestParamInfo<CurveCase>& info) {
                             return info.param.name;
                         });

// X^2 + Y^2 = 0 is the single point at the origin: nothing to draw.
TEST(SinglePointWindowTest, OpensOnAnEmptyPicture) {
    XvfbServer server;
    KonikaWindow window(server, {"1", "0", "1", "0", "0", "0"});
    const Picture picture = window.settledPicture();
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 700);
    EXPECT_EQ(countBackground(picture), 1024 * 700);
}

} // namespace
