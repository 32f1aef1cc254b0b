#pragma once

#include "app/conic.h"
#include "scene/elements.h"
#include "tests/corpus/corpus.h"

#include <string>

#include <vector>

// A plane vector in double precision, for the checks.
struct Vec {
    double x;
    double y;
};

// The transforms of the reduction, read back from the eight frame axes in the scene: frame 2
// is the plain frame under the reflection S, frame 3 under the rotation and reflection R*S,
// frame 4 under the translation, rotation and reflection (its origin is the translation vector).
struct Frames {
    Vec reflectedX;
    Vec reflectedY;
    Vec turnedX; // R*S applied to (1, 0)
    Vec turnedY; // R*S applied to (0, 1)
    Vec movedX;  // frame 4's axis directions
    Vec movedY;
    Vec translation;
    bool plainFrameIsPlain; // frame 1: the unit axes through the origin
    bool axesColored;       // colors 1, 2, 1, 2, 3, 4, 5, 6
};

// One reduction run in-process with its console output discarded, and what it traced.
struct TracedConic {
    int result;
    Conic entered;
    Conic canonical;              // the record after the reduction
    CurveKind kind;               // 0 when nothing was traced
    Frames frames;                // when something was traced
    std::vector<Vec> curvePoints; // in the canonical frame: segment ends, three points per line
    CurveElements elements;       // of what the reduction recorded (a single point too)
    PlaneMap toTyped{};           // the canonical frame into the plane as typed, as recorded
};

TracedConic traceConic(const Conic& entered);

// The record as the console stores typed coefficients: the X*Y, X and Y ones halved.
Conic storedConic(float x2, float xy, float y2, float x, float y, float free);

// The record of the six coefficients as typed: a corpus case (with an exponent such as "e8"
// appended to each), or six words.
Conic typedConic(const Milli& typed, const std::string& exponent = "");
Conic typedConic(const std::string& words);
