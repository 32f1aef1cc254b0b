#include "app/conic.h"
#include "scene/curve.h"
#include "viewer/camera.h"

#include <gtest/gtest.h>

#include <cmath>

// The first view in any window shape. At eye distance d the view shows d tan 30 = 0.57735 d of
// the plane above and below the centre, and that times the aspect either side.
namespace {

constexpr float kWide = 1024.0f / 700.0f; // 1.4628571
constexpr float kNarrow = 420.0f / 700.0f;

Framing closed(float minX, float minY, float maxX, float maxY) {
    return Framing{Box{minX, minY, maxX, maxY}, true};
}

Framing open(float minX, float minY, float maxX, float maxY) {
    return Framing{Box{minX, minY, maxX, maxY}, false};
}

struct FramingCase {
    const char* what;
    Framing framing;
    float aspect;
    float eyeDistance;
};

TEST(FirstViewTest, KeepsTheUsualCameraWhereItShowsTheCurveAndMovesBackOtherwise) {
    const FramingCase cases[] = {
        // The README ellipse, semi-axes 2 and 1: 2 <= 4 * 0.577 * aspect down to aspect 0.866.
        {"wide ellipse, 1024 x 700", closed(-2, -1, 2, 1), kWide, 4.0f},
        {"wide ellipse, 800 x 600", closed(-2, -1, 2, 1), 800.0f / 600.0f, 4.0f},
        // 420 x 700: the width 4 fills cos 30 of the window's at 4 / 0.6.
        {"wide ellipse, 420 x 700", closed(-2, -1, 2, 1), kNarrow, 6.6666665f},
        // Semi-axes 1 and 2: the usual camera at the width 2 shows 1.15 above the centre; the
        // height 4 is the distance that shows it, in either window.
        {"tall ellipse, 1024 x 700", closed(-1, -2, 1, 2), kWide, 4.0f},
        {"tall ellipse, 420 x 700", closed(-1, -2, 1, 2), kNarrow, 4.0f},
        {"taller ellipse, 1024 x 700", closed(-1, -3, 1, 3), kWide, 6.0f},
        {"taller ellipse, 420 x 700", closed(-1, -3, 1, 3), kNarrow, 6.0f},
        // Five times taller: the usual camera already stands at the height.
        {"ellipse 1 x 5", closed(-1, -5, 1, 5), kWide, 10.0f},
        // A circle in a window 100 wide and 700 high: width 2 / (1 / 7) = 14.
        {"circle in a slit", closed(-1, -1, 1, 1), 100.0f / 700.0f, 14.0f},
        // y^2 = 4x for |y| <= 5: the arms leave at the top and bottom, the vertex stays.
        {"parabola, 1024 x 700", open(0, -5, 6.25f, 5), kWide, 6.25f},
        {"parabola, 420 x 700", open(0, -5, 6.25f, 5), kNarrow, 10.416667f},
        // A hyperbola whose branches leave at the top and bottom, as lines do.
        {"tall hyperbola", open(-10.07f, -20.04f, 10.07f, 20.04f), kWide, 20.14f},
        {"steep lines", open(-2, -6, 2, 6), kWide, 4.0f},
        {"steep lines, 420 x 700", open(-2, -6, 2, 6), kNarrow, 6.6666665f},
    };
    for (const FramingCase& c : cases) {
        const Camera camera = firstViewCamera(c.framing, c.aspect);
        EXPECT_FLOAT_EQ(camera.eyeDistance, c.eyeDistance) << c.what;
        EXPECT_EQ(camera.centreX, (c.framing.box.minX + c.framing.box.maxX) / 2) << c.what;
        EXPECT_EQ(camera.centreY, (c.framing.box.minY + c.framing.box.maxY) / 2) << c.what;
    }
}

// Boxes from 100 times wider than high to 100 times higher than wide, in windows from 10 times
// wider to 10 times higher: the closed curve's box is always whole, the camera never nearer
// than the usual one, and the usual one kept exactly wherever it shows the box.
TEST(FirstViewTest, ShowsTheWholeBoxOfAnyShapeInAnyWindowShape) {
    for (double boxShape = 0.01; boxShape <= 100.0; boxShape *= 1.7) {
        for (double aspect = 0.1; aspect <= 10.0; aspect *= 1.3) {
            const float halfWidth = static_cast<float>(3.0 * std::sqrt(boxShape));
            const float halfHeight = static_cast<float>(3.0 / std::sqrt(boxShape));
            const Framing framing = closed(-halfWidth, -halfHeight, halfWidth, halfHeight);
            const Camera usual = cameraFromBox(framing.box);
            const Camera first = firstViewCamera(framing, static_cast<float>(aspect));
            const double shownHigh = first.eyeDistance * 0.57735026918962576;
            EXPECT_LE(halfHeight, shownHigh * 1.000001) << boxShape << " " << aspect;
            EXPECT_LE(halfWidth, shownHigh * aspect * 1.000001) << boxShape << " " << aspect;
            EXPECT_GE(first.eyeDistance, usual.eyeDistance);
            if (showsFraming(usual, framing, static_cast<float>(aspect))) {
                EXPECT_EQ(first.eyeDistance, usual.eyeDistance);
            }
        }
    }
}

TEST(FirstViewTest, AMovedBackCameraAdaptsItsClippingAndLinesToTheNewDistance) {
    // Semi-axes 1000 and 2000: the height 4000 is beyond the usual far distance 1000.
    const Camera camera = firstViewCamera(closed(-1000, -2000, 1000, 2000), kWide);
    EXPECT_EQ(camera.eyeDistance, 4000.0f);
    EXPECT_EQ(camera.nearDistance, 400.0f);
    EXPECT_EQ(camera.farDistance, 400000.0f);
    EXPECT_EQ(camera.lineReach, 400000.0f);
    // Semi-axes 0.2 and 0.4: the usual camera at 0.4 had adapted; the one at 0.8 does too.
    const Camera small = firstViewCamera(closed(-0.2f, -0.4f, 0.2f, 0.4f), kWide);
    EXPECT_FLOAT_EQ(small.eyeDistance, 0.8f);
    EXPECT_FLOAT_EQ(small.nearDistance, 0.08f);
}

TEST(FirstViewTest, ASceneWithoutShapesKeepsItsUsualCamera) {
    // The box at its initial corners (1024, 700) and (0, 0) is inverted: nothing to move for.
    const Camera camera = firstViewCamera(open(1024, 700, 0, 0), kNarrow);
    EXPECT_EQ(camera.eyeDistance, 1024.0f);
}

// Canonical records: a11, a12, a22, a13, a23, a33.
std::vector<Segment> tracedSegments(const Conic& canonical, CurveKind kind) {
    return sampleCurve(canonical, kind).segments;
}

TEST(FirstViewTest, OnlyTheEllipseClosesItsChain) {
    EXPECT_TRUE(isClosedChain(tracedSegments({1, 0, 4, 0, 0, -4}, Ellipse)));
    EXPECT_TRUE(isClosedChain(tracedSegments({1e6f, 0, 1, 0, 0, -1e6f}, Ellipse)));
    EXPECT_TRUE(isClosedChain(tracedSegments({1, 0, 1, 0, 0, -1e-6f}, Ellipse)));
    EXPECT_FALSE(isClosedChain(tracedSegments({1, 0, -4, 0, 0, -4}, Hyperbola)));
    EXPECT_FALSE(isClosedChain(tracedSegments({0, 0, 1, -2, 0, 0}, Parabola)));
    EXPECT_FALSE(isClosedChain({}));
}

} // namespace
