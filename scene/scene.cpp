#include "scene.h"

#include "scene/reduction_record.h"

// Defined in one translation unit, so they are created in this order and destroyed in the
// reverse order at exit.
std::vector<Point> scenePoints;
std::vector<Segment> sceneSegments;
std::vector<Line> sceneLines;
std::vector<Circle> sceneCircles;
ReductionRecord reductionRecord;

namespace {

Point initialBoxMin() {
    Point p;
    p.x = 1024.0f;
    p.y = 700.0f;
    return p;
}

// Strict comparisons: a bound equal to the coordinate stays, and a NaN never widens.
void widenBox(const Point& p) {
    if (boxMin.x > p.x) {
        boxMin.x = p.x;
    }
    if (boxMin.y > p.y) {
        boxMin.y = p.y;
    }
    if (boxMax.x < p.x) {
        boxMax.x = p.x;
    }
    if (boxMax.y < p.y) {
        boxMax.y = p.y;
    }
}

} // namespace

Point boxMin = initialBoxMin();
Point boxMax;

void addSegment(Segment s, ColorCode color) {
    s.color = color;
    appendWithinLimit(sceneSegments, s);
    widenBox(s.a);
    widenBox(s.b);
}

void addLine(Line l, ColorCode color) {
    l.color = color;
    appendWithinLimit(sceneLines, l);
}

void recordReduction(const Conic& canonical, CurveKind kind, Matrix reflection, Matrix rotation,
                     Matrix translation) {
    reductionRecord = ReductionRecord{canonical, kind, reflection, rotation, translation};
}

void clearScene() {
    scenePoints.clear();
    sceneSegments.clear();
    sceneLines.clear();
    sceneCircles.clear();
    boxMin = initialBoxMin();
    boxMax = Point();
    reductionRecord = ReductionRecord{};
}
