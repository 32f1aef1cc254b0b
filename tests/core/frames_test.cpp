#include "scene/frames.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const char* const kLegends = "Zeleno je x-osa, plavo y.\n"
                             "Zeleno je x-osa, plavo y.\n"
                             "Zuto je x-osa,a narandzasto y.\n"
                             "Ljubicasta je x-osa,a svetloplavo y.\n";

// Adds the frames of the three matrices; returns what was printed.
std::string addFrames(const Matrix& reflection, const Matrix& rotation, const Matrix& translation) {
    clearScene();
    testing::internal::CaptureStdout();
    addCoordinateFrames(reflection, rotation, translation);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

void expectLine(const Line& l, float px, float py, float dx, float dy, ColorCode color) {
    EXPECT_NEAR(l.point.x, px, 1e-6);
    EXPECT_NEAR(l.point.y, py, 1e-6);
    EXPECT_NEAR(l.direction.x, dx, 1e-6);
    EXPECT_NEAR(l.direction.y, dy, 1e-6);
    EXPECT_EQ(l.point.z, 0.0f);
    EXPECT_EQ(l.direction.z, 0.0f);
    EXPECT_EQ(l.color, color);
}

TEST(Frames, IdentityGivesFourCopiesOfThePlainAxesAndFourLegends) {
    EXPECT_EQ(addFrames(Matrix(), Matrix(), Matrix()), kLegends);
    ASSERT_EQ(sceneLines.size(), 8u);
    const ColorCode colors[8] = {1, 2, 1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 8; i += 2) {
        expectLine(sceneLines[i], 0, 0, 1, 0, colors[i]);
        expectLine(sceneLines[i + 1], 0, 0, 0, 1, colors[i + 1]);
    }
    EXPECT_EQ(boxMin.x, 1024.0f); // axes never widen the box
    EXPECT_EQ(boxMax.x, 0.0f);
}

TEST(Frames, ReflectionExchangesTheAxesOfTheSecondFrame) {
    addFrames(reflectionMatrix(), Matrix(), Matrix());
    ASSERT_EQ(sceneLines.size(), 8u);
    expectLine(sceneLines[2], 0, 0, 0, 1, 1);
    expectLine(sceneLines[3], 0, 0, 1, 0, 2);
    expectLine(sceneLines[6], 0, 0, 0, 1, 5); // carried on through the later frames
}

TEST(Frames, RotationTurnsTheThirdFrame) {
    addFrames(Matrix(), rotationMatrix(static_cast<float>(M_PI / 2)), Matrix());
    expectLine(sceneLines[4], 0, 0, 0, 1, 3);
    expectLine(sceneLines[5], 0, 0, -1, 0, 4);
}

TEST(Frames, TranslationMovesTheOriginOfTheLastFrameOnly) {
    Point v;
    v.x = 2.0f;
    v.y = -3.0f;
    addFrames(Matrix(), Matrix(), translationMatrix(v));
    expectLine(sceneLines[4], 0, 0, 1, 0, 3);
    expectLine(sceneLines[6], 2, -3, 1, 0, 5);
    expectLine(sceneLines[7], 2, -3, 0, 1, 6);
}

TEST(Frames, VectorBetweenIgnoresZAndColor) {
    Point from;
    from.x = 1.0f;
    from.y = 2.0f;
    from.z = 7.0f;
    from.color = 3;
    Point to;
    to.x = 4.0f;
    to.y = -2.0f;
    const Point v = vectorBetween(from, to);
    EXPECT_EQ(v.x, 3.0f);
    EXPECT_EQ(v.y, -4.0f);
    EXPECT_EQ(v.z, 0.0f);
    EXPECT_EQ(v.color, 9);
}

} // namespace
