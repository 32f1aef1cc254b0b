#include "scene/scene.h"
#include "viewer/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Box box(float minX, float minY, float maxX, float maxY) {
    return Box{minX, minY, maxX, maxY};
}

Point planePoint(float x, float y) {
    Point p;
    p.x = x;
    p.y = y;
    return p;
}

Segment segment(float ax, float ay, float bx, float by) {
    Segment s;
    s.a = planePoint(ax, ay);
    s.b = planePoint(bx, by);
    return s;
}

Line line(float px, float py, float dx, float dy) {
    Line l;
    l.point = planePoint(px, py);
    l.direction = planePoint(dx, dy);
    return l;
}

// The eight axis lines of the four frames; only the last frame is moved, to origin.
void addFrameAxes(Point origin) {
    const ColorCode xAxisColors[] = {1, 1, 3};
    const ColorCode yAxisColors[] = {2, 2, 4};
    for (int frame = 0; frame < 3; ++frame) {
        addLine(line(0, 0, 1, 0), xAxisColors[frame]);
        addLine(line(0, 0, 0, 1), yAxisColors[frame]);
    }
    addLine(line(origin.x, origin.y, 1, 0), 5);
    addLine(line(origin.x, origin.y, 0, 1), 6);
}

Camera sceneCamera() {
    return cameraFromBox(framedBox(sceneSegments, sceneLines, boxMin, boxMax));
}

void expectCameraAbove(const Camera& camera, float centreX, float centreY, float eyeDistance) {
    EXPECT_EQ(camera.centreX, centreX);
    EXPECT_EQ(camera.centreY, centreY);
    EXPECT_EQ(camera.eyeDistance, eyeDistance);
}

// The plane z = 0 lies strictly between the near and the far plane.
void expectPlaneVisible(const Camera& camera) {
    EXPECT_LT(camera.nearDistance, camera.eyeDistance);
    EXPECT_GT(camera.farDistance, camera.eyeDistance);
}

// Half the height of the plane z = 0 that the initial view shows (field of view 60 degrees).
double visibleHalfHeight(const Camera& camera) {
    return camera.eyeDistance * std::tan(30.0 * 3.141592653589793 / 180.0);
}

class FramingTest : public ::testing::Test {
  protected:
    void SetUp() override { clearScene(); }
    void TearDown() override { clearScene(); }
};

TEST(CameraTest, StandsAboveTheBoxCentreAtTheWidthUnlessFiveTimesTaller) {
    const Camera wide = cameraFromBox(box(-2, -1, 2, 1));
    EXPECT_EQ(wide.centreX, 0.0f);
    EXPECT_EQ(wide.centreY, 0.0f);
    EXPECT_EQ(wide.eyeDistance, 4.0f);

    EXPECT_EQ(cameraFromBox(box(-1, -10, 1, 10)).eyeDistance, 20.0f);
    // 5 * g equal to h takes h: g = 1, h = 5.
    EXPECT_EQ(cameraFromBox(box(0, 0, 1, 5)).eyeDistance, 5.0f);
}

TEST(CameraTest, ExtentsAddTheAbsoluteLowerCorner) {
    // x from 2 to 5: g = 5 + 2 = 7, not the width 3.
    const Camera camera = cameraFromBox(box(2, -1, 5, 1));
    expectCameraAbove(camera, 3.5f, 0.0f, 7.0f);
}

TEST(CameraTest, AnExtentThatIsNotANumberTakesTheHeight) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(cameraFromBox(box(-1, -3, nan, 3)).eyeDistance, 6.0f);
}

TEST(CameraTest, KeepsTheUsualClippingAndLineReachWhereTheyShowThePlane) {
    for (const float halfWidth : {0.5001f, 2.0f, 10.0f, 499.9f}) {
        const Camera camera = cameraFromBox(box(-halfWidth, -1, halfWidth, 1));
        EXPECT_EQ(camera.nearDistance, 1.0f) << halfWidth;
        EXPECT_EQ(camera.farDistance, 1000.0f) << halfWidth;
        EXPECT_EQ(camera.lineReach, 100.0f) << halfWidth;
    }
}

TEST(CameraTest, ClippingAndLineReachFollowTheEyeDistanceOutsideTheUsualRange) {
    // Ellipses with semi-axes 2a and a, from 1e-4 to 1e6: the box (-2a, -a)..(2a, a) puts
    // the camera at 4a.
    for (double a = 1e-4; a <= 1e6; a *= 10) {
        const float fa = static_cast<float>(a);
        const Camera camera = cameraFromBox(box(-2 * fa, -fa, 2 * fa, fa));
        EXPECT_FLOAT_EQ(camera.eyeDistance, 4 * fa);
        expectPlaneVisible(camera);
        if (camera.eyeDistance <= 1.0f || camera.eyeDistance >= 1000.0f) {
            EXPECT_FLOAT_EQ(camera.nearDistance, camera.eyeDistance / 10) << a;
            EXPECT_FLOAT_EQ(camera.farDistance, camera.eyeDistance * 100) << a;
        }
    }
    // Lines reach a hundred eye distances in a huge view, and keep their usual reach, far
    // beyond the picture, in a tiny one.
    EXPECT_EQ(cameraFromBox(box(-2000, -1, 2000, 1)).lineReach, 400000.0f);
    EXPECT_EQ(cameraFromBox(box(-0.002f, -1e-3f, 0.002f, 1e-3f)).lineReach, 100.0f);
    // At exactly 1 the plane would lie on the near plane.
    const Camera onNear = cameraFromBox(box(-0.5f, -0.1f, 0.5f, 0.1f));
    EXPECT_EQ(onNear.eyeDistance, 1.0f);
    expectPlaneVisible(onNear);
}

TEST(CameraTest, ADegenerateDistanceKeepsTheUsualValues) {
    const Camera atOrigin = cameraFromBox(box(0, 0, 0, 0));
    EXPECT_EQ(atOrigin.eyeDistance, 0.0f);
    EXPECT_EQ(atOrigin.nearDistance, 1.0f);
    EXPECT_EQ(atOrigin.farDistance, 1000.0f);
    EXPECT_EQ(atOrigin.lineReach, 100.0f);

    const float inf = std::numeric_limits<float>::infinity();
    const Camera infinite = cameraFromBox(box(-inf, -1, 1, 1));
    EXPECT_EQ(infinite.nearDistance, 1.0f);
    EXPECT_EQ(infinite.farDistance, 1000.0f);
}

TEST(CameraTest, AspectIsWidthOverHeightWithZeroHeightCountedAsOne) {
    EXPECT_FLOAT_EQ(reshapeAspect(1024, 700), 1.4628571f);
    EXPECT_EQ(reshapeAspect(800, 0), 800.0f);
    EXPECT_EQ(reshapeAspect(1, 1), 1.0f);
}

TEST_F(FramingTest, ASceneWithoutShapesKeepsTheInitialBox) {
    // A single point traces nothing: the picture stays empty wherever the camera is.
    const Camera camera = sceneCamera();
    expectCameraAbove(camera, 512.0f, 350.0f, 1024.0f);
    expectPlaneVisible(camera);
}

TEST_F(FramingTest, SegmentsAreFramedByTheirBoxWhateverTheLines) {
    addSegment(segment(-2, 0, 0, 1), 0);
    addSegment(segment(0, 1, 2, 0), 0);
    addSegment(segment(2, 0, 0, -1), 0);
    addFrameAxes(planePoint(300, 200));
    const Camera camera = sceneCamera();
    expectCameraAbove(camera, 0.0f, 0.0f, 4.0f);
    EXPECT_EQ(camera.nearDistance, 1.0f);
    EXPECT_EQ(camera.farDistance, 1000.0f);
}

TEST_F(FramingTest, ParallelLinesAreFramedAroundTheOriginAndTheirPoints) {
    // Y^2 - 1 = 0, appended after the axes; the far frame origin does not count.
    addFrameAxes(planePoint(300, 200));
    addLine(line(0, 1, 1, 0), 0);
    addLine(line(0, -1, 1, 0), 0);
    // Box (0, -1)..(0, 1) widened twice: (0, -2)..(0, 2), so g = 0 and h = 4.
    const Camera camera = sceneCamera();
    expectCameraAbove(camera, 0.0f, 0.0f, 4.0f);
    EXPECT_EQ(camera.nearDistance, 1.0f);
    EXPECT_EQ(camera.farDistance, 1000.0f);
}

TEST_F(FramingTest, LinesOnOneSideOfTheOriginKeepTheOriginInView) {
    // Y^2 - 6Y + 8 = 0: the lines y = 4 and y = 2. Box (0, 0)..(0, 4) widened twice about
    // (0, 2): (0, -2)..(0, 6), so h = 6 + 2 = 8.
    addFrameAxes(planePoint(0, 0));
    addLine(line(0, 4, 1, 0), 0);
    addLine(line(0, 2, 1, 0), 0);
    const Camera camera = sceneCamera();
    expectCameraAbove(camera, 0.0f, 2.0f, 8.0f);
    EXPECT_LT(std::fabs(0.0 - camera.centreY), visibleHalfHeight(camera));
    EXPECT_LT(std::fabs(4.0 - camera.centreY), visibleHalfHeight(camera));
}

TEST_F(FramingTest, LinesThroughTheOriginAreFramedByTheirDirections) {
    // Y^2 = 0: box (-1, 0)..(1, 0) widened twice, g = 4.
    addFrameAxes(planePoint(0, 0));
    addLine(line(0, 0, 1, 0), 0);
    const Camera doubleLine = sceneCamera();
    EXPECT_EQ(doubleLine.centreX, 0.0f);
    EXPECT_EQ(doubleLine.centreY, 0.0f);
    EXPECT_EQ(doubleLine.eyeDistance, 4.0f);

    // X^2 - 9Y^2 = 0: directions (1, 1/3) and (1, -1/3); g = 4 again.
    clearScene();
    addFrameAxes(planePoint(0, 0));
    addLine(line(0, 0, 1, 1.0f / 3), 0);
    addLine(line(0, 0, 1, -1.0f / 3), 0);
    EXPECT_EQ(sceneCamera().eyeDistance, 4.0f);

    // 9X^2 - Y^2 = 0: directions (1, 3) and (1, -3); h = 12 is not five times g = 4.
    clearScene();
    addFrameAxes(planePoint(0, 0));
    addLine(line(0, 0, 1, 3), 0);
    addLine(line(0, 0, 1, -3), 0);
    EXPECT_EQ(sceneCamera().eyeDistance, 4.0f);
}

TEST_F(FramingTest, TinyAndHugeLinesAreFramedWithAdaptedClipping) {
    for (const float y : {1e-3f, 1e5f}) {
        clearScene();
        addFrameAxes(planePoint(0, 0));
        addLine(line(0, y, 1, 0), 0);
        addLine(line(0, -y, 1, 0), 0);
        const Camera camera = sceneCamera();
        EXPECT_FLOAT_EQ(camera.eyeDistance, 4 * y);
        expectPlaneVisible(camera);
        EXPECT_LT(y, visibleHalfHeight(camera));
    }
}

} // namespace
