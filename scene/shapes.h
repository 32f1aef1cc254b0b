#pragma once

#include "geometry/point.h"

// The color in which the curve itself is traced (red); the frame axes use other codes.
constexpr ColorCode kCurveColor = 0;

// Drawable records of the scene; each is drawn in its own color, not in the colors of the
// points inside it.
struct Segment {
    Point a;
    Point b;
    ColorCode color = kDefaultColor;
};

// An infinite line through point along direction; the viewer draws it from
// point + 100 * direction to point - 100 * direction.
struct Line {
    Point point;
    Point direction;
    ColorCode color = kDefaultColor;
};

struct Circle {
    Point centre;
    float radius = 0.0f;
    ColorCode color = kDefaultColor;
};
