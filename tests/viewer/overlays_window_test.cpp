#include "konika_window.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <string>
#include <vector>

// The keys g, m and h show what the first picture does not: the elements of the curve in dark
// purple and black, a white grid with black numbers, a white box of black text. Pressed again,
// each gives back the first picture to the pixel. The rotated ellipse 5 4 8 -32 -56 80 is
// 4X^2 + 9Y^2 = 36 in its canonical frame, seen from 6 above: a unit spans 350 / (6 tan 30)
// = 101 pixels, the view 10.1 units across.
namespace {

const std::vector<std::string> kEllipse = {"5", "4", "8", "-32", "-56", "80"};
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xffffff;

// (0.5, 0, 0.5), whichever way the renderer rounds the halves.
int countDarkPurple(const Picture& picture) {
    int count = 0;
    for (std::uint32_t pixel : picture.pixels) {
        const std::uint32_t half = pixel >> 16;
        count += (half == 0x7f || half == 0x80) && (pixel & 0xffff) == half;
    }
    return count;
}

// Runs of white pixels along row y: the grid lines crossing it.
int whiteRunsInRow(const Picture& picture, int y) {
    int runs = 0;
    for (int x = 0; x < picture.width; ++x) {
        runs += picture.at(x, y) == kWhite && (x == 0 || picture.at(x - 1, y) != kWhite);
    }
    return runs;
}

class OverlaysWindowTest : public ::testing::Test {
  protected:
    // Presses the key and waits for the picture to change.
    Picture afterKey(unsigned long keysym, const Picture& before) {
        window.pressKey(keysym);
        return window.settledPictureAfterChange(before);
    }

    void expectFirstPictureAfterKey(unsigned long keysym) {
        window.pressKey(keysym);
        const Picture back =
            window.waitForPicture([this](const Picture& p) { return p == initial; }, "the first");
        EXPECT_TRUE(back == initial);
    }

    XvfbServer server;
    KonikaWindow window{server, kEllipse};
    Picture initial = window.settledPicture();
};

TEST_F(OverlaysWindowTest, GShowsTheElementsAndPrintsThemEachTimeTheyAreTurnedOn) {
    ASSERT_EQ(countDarkPurple(initial) + countOf(initial, kBlack), 0);
    const Picture shown = afterKey(XK_g, initial);
    // Seven points of 7 x 7 pixels, the two dashed directrices, the labels.
    EXPECT_GT(countDarkPurple(shown), 7 * 49);
    EXPECT_GT(countOf(shown, kRed), 1000);
    // konika prints and flushes the elements before it asks for the new picture.
    const std::string heading = "Elipsa X^2/a^2 + Y^2/b^2 = 1";
    EXPECT_NE(window.process().output().find(heading), std::string::npos);

    expectFirstPictureAfterKey(XK_g);
    window.pressKey(XK_g);
    window.settledPictureAfterChange(initial);
    const std::string output = window.process().output();
    EXPECT_NE(output.find(heading), output.rfind(heading)) << "printed once only:\n" << output;
}

TEST_F(OverlaysWindowTest, MShowsAGridThatFollowsTheZoom) {
    ASSERT_EQ(countOf(initial, kWhite), 0);
    const Picture grid = afterKey(XK_m, initial);
    // 10.1 units across at a step of 2: the lines at -4, -2, 2 and 4 (0 lies under the axis).
    EXPECT_EQ(whiteRunsInRow(grid, 10), 4);
    EXPECT_GT(countOf(grid, kBlack), 20) << "no numbers";
    expectFirstPictureAfterKey(XK_m);

    // Two drags 300 pixels up zoom by F = e^(-600 / 2100), enlarging F / (2F - 1) = 1.49
    // times: 6.8 units across at a step of 1, the lines at -3 to 3.
    window.pressKey(XK_m);
    window.drag({2}, 500, 500, 500, 200);
    window.drag({2}, 500, 500, 500, 200);
    const Picture zoomed = window.waitForPicture(
        [](const Picture& p) { return whiteRunsInRow(p, 10) == 6; }, "a finer grid");
    EXPECT_EQ(whiteRunsInRow(zoomed, 10), 6);
}

TEST_F(OverlaysWindowTest, HShowsTheControlsInTheUpperLeftCorner) {
    const Picture help = afterKey(XK_h, initial);
    const PixelBox box = boxOf(help, kWhite);
    EXPECT_LT(box.minX, 20);
    EXPECT_LT(box.minY, 20);
    EXPECT_GT(box.width(), 200);
    EXPECT_GT(box.height(), 100);
    EXPECT_GT(countOf(help, kBlack), 300) << "no text";
    expectFirstPictureAfterKey(XK_h);
}

} // namespace
