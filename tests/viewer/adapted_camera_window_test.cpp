#include "konika_window.h"
#include "window_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

// Circles far inside or beyond the usual clipping range, X^2 + Y^2 + freeTerm = 0: the camera
// stands at twice the radius, so the outline is 2 * 350 / (2 tan 30) = 606 pixels across, and
// the mouse still pans and zooms. The near plane stands at a tenth of the eye distance, so a
// pan moves the circle a tenth of the cursor step.
namespace {

struct CircleCase {
    std::string name;
    std::string freeTerm;
};

void PrintTo(const CircleCase& circle, std::ostream* out) {
    *out << circle.name;
}

constexpr double kDiameter = 606.2;

class AdaptedCameraWindowTest : public ::testing::TestWithParam<CircleCase> {};

TEST_P(AdaptedCameraWindowTest, ShowsTheCircleAndKeepsPanAndZoom) {
    XvfbServer server;
    KonikaWindow window(server, {"1", "0", "1", "0", "0", GetParam().freeTerm});
    const Picture initial = window.settledPicture();
    expectRedOutline(initial, {511.5, 349.5, kDiameter, kDiameter});

    window.drag({1}, 300, 500, 400, 500);
    waitForRedOutline(window, {521.5, 349.5, kDiameter, kDiameter});
    restoreByResizing(window, initial);

    // Up by 210: F = e^-0.1, scale F / (2F - 1) = 1.1175.
    window.drag({2}, 500, 410, 500, 200);
    const double f = std::exp(-0.1);
    const double zoomed = kDiameter * f / (2 * f - 1);
    waitForRedOutline(window, {511.5, 349.5, zoomed, zoomed});
}

INSTANTIATE_TEST_SUITE_P(TinyAndHuge, AdaptedCameraWindowTest,
                         ::testing::Values(CircleCase{"RadiusOneThousandth", "-0.000001"},
                                           CircleCase{"RadiusHundredThousand", "-1e10"}),
                         [](const ::testing::TestParamInfo<CircleCase>& info) {
                             return info.param.name;
                         });

} // namespace
