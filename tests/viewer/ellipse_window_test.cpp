#include "konika_window.h"
#include "process_cpu.h"
#include "window_checks.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <thread>
#include <vector>

// X^2 + 4Y^2 - 4 = 0, semi-axes 2 and 1: the camera stands 4 above the origin. With a field of
// view of 60 degrees a unit of the plane spans 350 / (4 tan 30) = 151.55 pixels in a window 700
// high, so the ellipse's red outline is 606 x 303 pixels around the window centre.
namespace {

const std::vector<std::string> kEllipse = {"1", "0", "4", "0", "0", "-4"};
constexpr double kPixelsPerUnit = 151.55;
constexpr double kCentreX = 511.5;
constexpr double kCentreY = 349.5;
constexpr double kPi = 3.141592653589793;

// The outline moved by (dx, dy) pixels and scaled by scale.
Outline ellipse(double dx, double dy, double scale) {
    return Outline{kCentreX + dx, kCentreY + dy, 4 * kPixelsPerUnit * scale,
                   2 * kPixelsPerUnit * scale};
}

// F / (2F - 1) for the zoom F = e^(dy / 2100) of a drag by dy.
double zoomedScale(int dy) {
    const double f = std::exp(dy / 2100.0);
    return f / (2 * f - 1);
}

// How far the magenta x axis leans clockwise on the screen, from its rows 200 pixels either
// side of the centre.
double clockwiseTiltDegrees(const Picture& picture) {
    const double left = meanRowInColumn(picture, picture.width / 2 - 200, kMagenta);
    const double right = meanRowInColumn(picture, picture.width / 2 + 200, kMagenta);
    if (left < 0 || right < 0) {
        return NAN;
    }
    return std::atan2(right - left, 400.0) * 180.0 / kPi;
}

class EllipseWindowTest : public ::testing::Test {
  protected:
    Picture waitForTilt(double degrees) {
        const Picture picture = window.waitForPicture(
            [&](const Picture& p) { return std::fabs(clockwiseTiltDegrees(p) - degrees) < 0.5; },
            "the ellipse turned");
        EXPECT_NEAR(clockwiseTiltDegrees(picture), degrees, 0.5);
        return picture;
    }

    XvfbServer server;
    KonikaWindow window{server, kEllipse};
    Picture initial = window.settledPicture();
};

TEST_F(EllipseWindowTest, OpensCentredOnCreamWithTheAxesCrossingAtTheCentre) {
    EXPECT_EQ(window.title(), "Geometrija - prikaz zadatka");
    const KonikaWindow::Geometry g = window.geometry();
    EXPECT_EQ(g.x, 100);
    EXPECT_EQ(g.y, 50);
    ASSERT_EQ(initial.width, 1024);
    ASSERT_EQ(initial.height, 700);

    EXPECT_TRUE(isBackground(initial.at(0, 0)));
    EXPECT_TRUE(isBackground(initial.at(1023, 699)));
    EXPECT_GT(countBackground(initial), 1024 * 700 * 95 / 100);
    expectRedOutline(initial, ellipse(0, 0, 1));

    // One horizontal magenta row and one vertical cyan column, each across the window.
    const PixelBox magenta = boxOf(initial, kMagenta);
    EXPECT_EQ(magenta.minY, magenta.maxY);
    EXPECT_NEAR(magenta.centreY(), kCentreY, 1);
    EXPECT_EQ(magenta.minX, 0);
    EXPECT_EQ(magenta.maxX, 1023);
    const PixelBox cyan = boxOf(initial, kCyan);
    EXPECT_EQ(cyan.minX, cyan.maxX);
    EXPECT_NEAR(cyan.centreX(), kCentreX, 1);
    EXPECT_EQ(cyan.minY, 0);
    EXPECT_EQ(cyan.maxY, 699);

    // The curve is drawn over the axes: where they cross the outline (at its left and right,
    // top and bottom ends) the pixels stay red.
    EXPECT_GE(countInRow(initial, magenta.minY, kRed), 2);
    EXPECT_GE(countInColumn(initial, cyan.minX, kRed), 2);
}

// The near-plane point under the cursor follows it; the plane, four times farther, moves a
// quarter as far.
TEST_F(EllipseWindowTest, LeftDragPansByAQuarterOfTheCursorStep) {
    window.drag({1}, 300, 500, 400, 500);
    waitForRedOutline(window, ellipse(25, 0, 1));
    window.drag({1}, 400, 500, 400, 600);
    waitForRedOutline(window, ellipse(25, 25, 1));
    restoreByResizing(window, initial);
}

// 100 pixels across a viewport 1024 wide turn by 100 / 1025 * 180 = 17.56 degrees.
TEST_F(EllipseWindowTest, RightDragTurnsClockwiseToTheRightAndBackToTheLeft) {
    EXPECT_NEAR(clockwiseTiltDegrees(initial), 0, 0.1);
    window.drag({3}, 300, 600, 400, 600);
    const Picture turned = waitForTilt(17.56);
    // The turn is about the window centre: the outline keeps its centre.
    const PixelBox red = boxOf(turned, kRed);
    EXPECT_NEAR(red.centreX(), kCentreX, 2);
    EXPECT_NEAR(red.centreY(), kCentreY, 2);

    window.drag({3}, 400, 600, 300, 600);
    waitForTilt(0);
    window.drag({3}, 400, 600, 300, 600);
    waitForTilt(-17.56);
    restoreByResizing(window, initial);
}

TEST_F(EllipseWindowTest, MiddleDragDownShrinksAndUpGrows) {
    window.drag({2}, 500, 200, 500, 410);
    waitForRedOutline(window, ellipse(0, 0, zoomedScale(210))); // 0.913
    restoreByResizing(window, initial);
    window.drag({2}, 500, 410, 500, 200);
    waitForRedOutline(window, ellipse(0, 0, zoomedScale(-210))); // 1.118
}

// The zoom takes the vertical part of the drag alone.
TEST_F(EllipseWindowTest, LeftAndRightTogetherZoom) {
    window.drag({1, 3}, 400, 200, 500, 410);
    waitForRedOutline(window, ellipse(0, 0, zoomedScale(210)));
}

// After one of two held buttons comes up, the other's drag does nothing; the pan that follows
// shows it, as the picture then differs from the initial one by that pan alone.
TEST_F(EllipseWindowTest, ReleasingOneOfTwoButtonsStopsTheDrag) {
    window.moveTo(300, 500);
    window.press(1);
    window.press(3);
    window.release(3);
    for (int x = 310; x <= 400; x += 10) {
        window.moveTo(x, 500);
    }
    window.release(1);
    window.drag({1}, 300, 500, 400, 500);
    waitForRedOutline(window, ellipse(25, 0, 1));
}

TEST_F(EllipseWindowTest, AResizeRestoresTheInitialViewAtTheNewAspect) {
    window.drag({1}, 300, 500, 400, 450);
    window.drag({3}, 300, 600, 400, 600);
    window.drag({2}, 500, 200, 500, 300);
    window.settledPicture();
    // 500 high: a unit spans 250 / (4 tan 30) = 108.25 pixels.
    window.resize(700, 500);
    const Outline smallerEllipse{349.5, 249.5, 4 * 108.25, 2 * 108.25};
    const Picture smaller = waitForRedOutline(window, smallerEllipse);
    EXPECT_EQ(smaller.width, 700);
    EXPECT_EQ(smaller.height, 500);
    EXPECT_NEAR(clockwiseTiltDegrees(smaller), 0, 0.1);
    window.resize(1024, 700);
    const Picture restored =
        window.waitForPicture([this](const Picture& p) { return p == initial; }, "the initial");
    EXPECT_TRUE(restored == initial);
}

void expectEndsWithStatusZero(KonikaWindow& window) {
    const std::optional<int> status = window.process().waitForExit(std::chrono::seconds(10));
    ASSERT_TRUE(status.has_value()) << "konika still runs";
    EXPECT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

TEST_F(EllipseWindowTest, ClosingTheWindowEndsTheProcess) {
    window.requestClose();
    expectEndsWithStatusZero(window);
}

TEST_F(EllipseWindowTest, QEndsTheProcessAsClosingDoes) {
    window.pressKey(XK_q);
    expectEndsWithStatusZero(window);
}

TEST_F(EllipseWindowTest, EscapeEndsTheProcessAsClosingDoes) {
    window.pressKey(XK_Escape);
    expectEndsWithStatusZero(window);
}

// Standard output is a file here, which the C library would keep in its buffer until exit.
TEST_F(EllipseWindowTest, TheWholeTranscriptIsWrittenOutBeforeTheWindowOpens) {
    const std::string output = window.process().output();
    const std::string last = "Ljubicasta je x-osa,a svetloplavo y.\n";
    ASSERT_GE(output.size(), last.size());
    EXPECT_EQ(output.substr(output.size() - last.size()), last);
    EXPECT_EQ(output.rfind("Unesite koeficijent uz X^2\n", 0), 0u);
}

// Nothing is drawn while nothing changes: konika and the X server together stay far below the
// 1.2 cores that redrawing all the time took.
TEST_F(EllipseWindowTest, AnIdleWindowCostsAlmostNoProcessorTime) {
    const pid_t konika = window.process().pid();
    const double before = cpuSeconds(konika) + cpuSeconds(server.pid());
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const double used = cpuSeconds(konika) + cpuSeconds(server.pid()) - before;
    EXPECT_LT(used, 0.2 * 3) << used << " s of processor time in 3 s";
}

// A key or a step of the wheel zooms as a middle drag 30 pixels up (in) or down (out) does:
// the outline 1.46% larger or 1.40% smaller.
TEST_F(EllipseWindowTest, PlusMinusAndTheWheelZoomInSteps) {
    const Outline larger = ellipse(0, 0, zoomedScale(-30));
    const Outline smaller = ellipse(0, 0, zoomedScale(30));
    const Outline same = ellipse(0, 0, 1);
    const struct {
        unsigned long keysym;
        Outline outline;
    } keys[] = {{XK_plus, larger}, {XK_minus, same},   {XK_KP_Subtract, smaller},
                {XK_KP_Add, same}, {XK_equal, larger}, {XK_minus, same}};
    for (const auto& key : keys) {
        window.pressKey(key.keysym);
        waitForRedOutline(window, key.outline);
    }
    window.turnWheel(4);
    waitForRedOutline(window, larger);
    window.turnWheel(5);
    waitForRedOutline(window, same);
    // The wheel's buttons start no drag: moving the mouse then changes nothing.
    window.drag({}, 300, 300, 500, 500);
    window.turnWheel(5);
    window.drag({}, 500, 500, 300, 300);
    waitForRedOutline(window, smaller);
}

// A tenth of the window, 102.4 pixels across and 70 down, whatever the zoom.
TEST_F(EllipseWindowTest, ArrowsMoveThePictureATenthOfTheWindow) {
    window.pressKey(XK_Right);
    waitForRedOutline(window, ellipse(102.4, 0, 1));
    window.pressKey(XK_Down);
    waitForRedOutline(window, ellipse(102.4, 70, 1));
    window.pressKey(XK_Left);
    window.pressKey(XK_Up);
    waitForRedOutline(window, ellipse(0, 0, 1));
    window.pressKey(XK_plus);
    window.pressKey(XK_Left);
    waitForRedOutline(window, ellipse(-102.4, 0, zoomedScale(-30)));
}

TEST_F(EllipseWindowTest, RAndHomeBringBackTheFirstPicture) {
    window.drag({1}, 300, 500, 400, 450);
    window.drag({3}, 300, 600, 400, 600);
    window.pressKey(XK_plus);
    window.settledPictureAfterChange(initial);
    window.pressKey(XK_r);
    EXPECT_TRUE(window.waitForPicture([this](const Picture& p) { return p == initial; },
                                      "the first picture") == initial);
    window.pressKey(XK_Down);
    window.settledPictureAfterChange(initial);
    window.pressKey(XK_Home);
    EXPECT_TRUE(window.waitForPicture([this](const Picture& p) { return p == initial; },
                                      "the first picture") == initial);
}

// Presses and releases of all five buttons (4 and 5 are the wheel), moves inside and around
// the window and resizes, as fast as the server takes them.
TEST_F(EllipseWindowTest, RandomMouseEventsAndResizesLeaveItAliveAndResponsive) {
    const auto start = std::chrono::steady_clock::now();
    std::mt19937 random(20240607);
    auto below = [&random](int bound) { return int(random() % unsigned(bound)); };
    std::vector<bool> held(6, false);
    for (int event = 0; event < 2000; ++event) {
        if (event % 100 == 50) {
            window.resize(1 + below(1100), 1 + below(950));
        }
        const int button = 1 + below(5);
        if (below(2) == 0) {
            if (held[button]) {
                window.release(button);
            } else {
                window.press(button);
            }
            held[button] = !held[button];
        } else {
            window.moveTo(below(1200) - 80, below(900) - 80);
        }
    }
    for (int button = 1; button <= 5; ++button) {
        if (held[button]) {
            window.release(button);
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(30));
    ASSERT_TRUE(window.process().running()) << window.process().errors();
    restoreByResizing(window, initial);
}

} // namespace
