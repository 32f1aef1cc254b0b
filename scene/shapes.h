#pragma once

#include "geometry/point.h"

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
