#pragma once

#include "shapes.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

// The program-wide scene: filled by the curve tracing before the viewer starts, only read
// afterwards. Records are only ever appended at the end.
extern std::vector<Point> scenePoints;
extern std::vector<Segment> sceneSegments;
extern std::vector<Line> sceneLines;
extern std::vector<Circle> sceneCircles;

// The bounding box of the segment end points. It starts inverted, at (1024, 700) and
// (0, 0), and is only ever widened, so it always holds that initial window rectangle's
// corners on its edges or inside.
extern Point boxMin;
extern Point boxMax;

// The most records sceneSegments and sceneLines may hold; one more append throws
// std::length_error("list<T> too long").
constexpr std::size_t kMaxSceneRecords = 119304646;

// Appends at the end, after checking the count against limit.
template <typename T>
void appendWithinLimit(std::vector<T>& records, const T& record,
                       std::size_t limit = kMaxSceneRecords) {
    if (records.size() >= limit) {
        throw std::length_error("list<T> too long");
    }
    records.push_back(record);
}

void addSegment(Segment s, ColorCode color);
void addLine(Line l, ColorCode color);

// Empties every collection, restores the initial box and forgets the recorded reduction, so
// that one process can trace several curves (tests, fuzzing).
void clearScene();
