#include "scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override { clearScene(); }
    void TearDown() override { clearScene(); }
};

Segment segment(float ax, float ay, float bx, float by) {
    Segment s;
    s.a.x = ax;
    s.a.y = ay;
    s.b.x = bx;
    s.b.y = by;
    return s;
}

void expectBox(float minX, float minY, float maxX, float maxY) {
    EXPECT_EQ(boxMin.x, minX);
    EXPECT_EQ(boxMin.y, minY);
    EXPECT_EQ(boxMax.x, maxX);
    EXPECT_EQ(boxMax.y, maxY);
}

TEST_F(SceneTest, StartsEmptyWithTheInvertedBox) {
    EXPECT_TRUE(scenePoints.empty() && sceneSegments.empty() && sceneLines.empty() &&
                sceneCircles.empty());
    expectBox(1024.0f, 700.0f, 0.0f, 0.0f);
}

TEST_F(SceneTest, TheBoxOnlyWidensAndKeepsTheInitialCorners) {
    addSegment(segment(100, 100, 200, 200), 0);
    expectBox(100, 100, 200, 200);
    clearScene();
    addSegment(segment(-10, -10, -5, -5), 0);
    expectBox(-10, -10, 0, 0);
    clearScene();
    addSegment(segment(2000, 900, 3000, 1000), 0);
    expectBox(1024, 700, 3000, 1000);
}

TEST_F(SceneTest, LinesNeverWidenTheBox) {
    Line l;
    l.point.x = 5000.0f;
    l.point.y = -5000.0f;
    addLine(l, 1);
    expectBox(1024.0f, 700.0f, 0.0f, 0.0f);
    EXPECT_EQ(sceneLines.at(0).color, 1);
}

TEST_F(SceneTest, TheColorArgumentReplacesTheRecordColorOnly) {
    Segment s = segment(1, 2, 3, 4);
    s.a.color = 5;
    addSegment(s, 0);
    EXPECT_EQ(sceneSegments.at(0).color, 0);
    EXPECT_EQ(sceneSegments.at(0).a.color, 5);
    EXPECT_EQ(sceneSegments.at(0).b.color, 9);
}

TEST_F(SceneTest, KeepsTheAppendOrder) {
    for (int i = 1; i <= 3; ++i) {
        addSegment(segment(static_cast<float>(i), 0, 0, 0), 0);
    }
    ASSERT_EQ(sceneSegments.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sceneSegments[i].a.x, static_cast<float>(i + 1));
    }
}

TEST_F(SceneTest, ANotANumberCoordinateIsKeptButIgnoredByTheBox) {
    addSegment(segment(NAN, -20, 30, NAN), 0);
    ASSERT_EQ(sceneSegments.size(), 1u);
    EXPECT_TRUE(std::isnan(sceneSegments[0].a.x));
    expectBox(30, -20, 30, 0);
}

TEST(SceneLimit, AFullCollectionThrowsAndStaysAsItWas) {
    std::vector<Line> lines;
    appendWithinLimit(lines, Line(), 2);
    appendWithinLimit(lines, Line(), 2);
    try {
        appendWithinLimit(lines, Line(), 2);
        FAIL() << "no exception";
    } catch (const std::length_error& e) {
        EXPECT_STREQ(e.what(), "list<T> too long");
    }
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(kMaxSceneRecords, 119304646u);
}

} // namespace
