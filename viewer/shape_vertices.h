#pragma once

#include "geometry/numbers.h"
#include "scene/shapes.h"

#include <cmath>

// An infinite line is drawn as the segment from point + reach * direction to
// point - reach * direction; the direction is taken as stored, not normalised.
struct LineEnds {
    Point first;
    Point second;
};

inline Point offsetPoint(const Point& p, const Point& d, double factor) {
    Point result;
    result.x = static_cast<float>(double(p.x) + factor * d.x);
    result.y = static_cast<float>(double(p.y) + factor * d.y);
    result.z = static_cast<float>(double(p.z) + factor * d.z);
    return result;
}

inline LineEnds lineEnds(const Line& line, float reach) {
    return LineEnds{offsetPoint(line.point, line.direction, reach),
                    offsetPoint(line.point, line.direction, -double(reach))};
}

// A circle is drawn as a closed loop through this many vertices.
constexpr int kCircleVertices = 100;

// Vertex i of the loop, at the angle i * 2 pi / 100.
inline Point circleVertex(const Circle& circle, int i) {
    const float angle = static_cast<float>(i * 2.0 * kPi / kCircleVertices);
    const float cosine = static_cast<float>(std::cos(double(angle)));
    const float sine = static_cast<float>(std::sin(double(angle)));
    Point vertex;
    vertex.x = static_cast<float>(double(circle.centre.x) + double(circle.radius) * cosine);
    vertex.y = static_cast<float>(double(circle.centre.y) + double(circle.radius) * sine);
    vertex.z = circle.centre.z;
    return vertex;
}
