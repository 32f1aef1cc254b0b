#include "geometry/matrica"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Point at(float x, float y) {
    Point p;
    p.x = x;
    p.y = y;
    return p;
}

void expectIdentity(Matrix m) {
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(m(x, y), x == y ? 1.0f : 0.0f) << x << "," << y;
        }
    }
}

TEST(Matrix, DefaultIsIdentityAndKeepsPointsButNotTheirZAndColor) {
    expectIdentity(Matrix());
    Point p = at(2.5f, -7.0f);
    p.z = 5.0f;
    p.color = 3;
    const Point q = transformPoint(Matrix(), p);
    EXPECT_EQ(q.x, 2.5f);
    EXPECT_EQ(q.y, -7.0f);
    EXPECT_EQ(q.z, 0.0f);
    EXPECT_EQ(q.color, 9);
}

TEST(Matrix, TranslationMovesPointsAndDirectionsAlike) {
    Point v = at(2.0f, -3.0f);
    v.z = 11.0f;
    v.color = 4;
    const Matrix t = translationMatrix(v);
    const Point moved = transformPoint(t, at(1.0f, 1.0f));
    EXPECT_EQ(moved.x, 3.0f);
    EXPECT_EQ(moved.y, -2.0f);
    const Point direction = transformPoint(t, at(1.0f, 0.0f));
    EXPECT_EQ(direction.x, 3.0f);
    EXPECT_EQ(direction.y, -3.0f);
}

TEST(Matrix, RotationTurnsCounterClockwise) {
    const Matrix r = rotationMatrix(static_cast<float>(M_PI / 2));
    const Point e1 = transformPoint(r, at(1.0f, 0.0f));
    EXPECT_NEAR(e1.x, 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(e1.y, 1.0f);
    const Point e2 = transformPoint(r, at(0.0f, 1.0f));
    EXPECT_FLOAT_EQ(e2.x, -1.0f);
    EXPECT_NEAR(e2.y, 0.0f, 1e-7);
    Matrix m = rotationMatrix(0.3f);
    EXPECT_EQ(m(0, 1), -m(1, 0)); // the exact negation of the rounded sine
    EXPECT_EQ(m(0, 0), m(1, 1));
}

TEST(Matrix, ReflectionExchangesTheCoordinates) {
    const Point q = transformPoint(reflectionMatrix(), at(3.0f, -8.5f));
    EXPECT_EQ(q.x, -8.5f);
    EXPECT_EQ(q.y, 3.0f);
}

TEST(Matrix, CopiesAndAssignmentsShareNothing) {
    Matrix source = translationMatrix(at(2.0f, -3.0f));
    Matrix copy(source);
    source(0, 2) = 100.0f;
    EXPECT_EQ(copy(0, 2), 2.0f);

    Matrix target;
    target = copy;
    copy(1, 2) = 50.0f;
    EXPECT_EQ(target(1, 2), -3.0f);
    EXPECT_EQ(target(0, 2), 2.0f);

    Matrix& alias = target;
    target = alias;
    EXPECT_EQ(target(0, 2), 2.0f);
    EXPECT_EQ(target(1, 2), -3.0f);
    EXPECT_EQ(target(2, 2), 1.0f);
}

using MatrixDeathTest = ::testing::Test;

TEST_F(MatrixDeathTest, IndexChecksNameTheConditionTheHeaderAndTheLine) {
    Matrix m;
    EXPECT_DEATH(m(3, 0), "matrica:[0-9]+: .*x >= 0 && x < dx");
    EXPECT_DEATH(m(-1, 0), "matrica:[0-9]+: .*x >= 0 && x < dx");
    EXPECT_DEATH(m(0, 3), "matrica:[0-9]+: .*y >= 0 && y < dy");
    EXPECT_DEATH(m(0, -1), "matrica:[0-9]+: .*y >= 0 && y < dy");
}

} // namespace
