#pragma once

#include "app/conic.h"
#include "scene/shapes.h"

#include <vector>

// The canonical curve of one kind, sampled in the canonical coordinates themselves; the
// records keep the default color until they are appended to the scene.
struct CurveShapes {
    std::vector<Segment> segments;
    std::vector<Line> lines;
};

struct SemiAxes {
    float a;
    float b;
};

// The semi-axes of an ellipse or hyperbola a11*x^2 + a22*y^2 + a33 = 0.
SemiAxes semiAxes(const Conic& canonical);

// Samples the canonical curve of the given kind from the record's canonical coefficients.
// A kind outside 1..6 gives no shapes.
CurveShapes sampleCurve(const Conic& canonical, CurveKind kind);

// True when every coordinate of the point, or of every shape, is a finite number.
bool isFinite(const Point& p);
bool isFinite(const CurveShapes& shapes);
