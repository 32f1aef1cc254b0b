#pragma once

#include "scene/shapes.h"

#include <cmath>
#include <vector>

// The rectangle of the plane z = 0 that the initial view is placed on.
struct Box {
    float minX = 0.0f;
    float minY = 0.0f;
    float maxX = 0.0f;
    float maxY = 0.0f;
};

// How far either way a line is drawn, in lengths of its direction, unless the view is huge.
constexpr float kUsualLineReach = 100.0f;

// The initial camera: above (centreX, centreY) at eyeDistance from the plane z = 0, looking
// down -z, with the near and far distances of its perspective and the reach of the lines.
struct Camera {
    float centreX = 0.0f;
    float centreY = 0.0f;
    float eyeDistance = 0.0f;
    float nearDistance = 1.0f;
    float farDistance = 1000.0f;
    float lineReach = kUsualLineReach;
};

// The usual clipping range keeps the plane visible for eye distances strictly between 1 and
// 1000. Outside it, the range follows the eye distance with the proportions it has at 10: a pan
// moves the plane a tenth of the cursor step and a zoom can enlarge about five times, for tiny
// and huge curves alike; and in a huge view the lines reach a hundred eye distances, so that
// they still cross the picture. A zero or non-finite distance has nothing to scale by and keeps
// the usual values.
inline void adaptToEyeDistance(Camera& camera) {
    const float eye = camera.eyeDistance;
    const bool usualRangeShowsPlane = eye > 1.0f && eye < 1000.0f;
    if (usualRangeShowsPlane || !(eye > 0.0f) || !std::isfinite(eye)) {
        return;
    }
    camera.nearDistance = static_cast<float>(double(eye) / 10.0);
    camera.farDistance = static_cast<float>(double(eye) * 100.0);
    camera.lineReach = static_cast<float>(double(kUsualLineReach) * std::fmax(1.0, eye));
}

// The extents are maxX + |minX| and maxY + |minY| rather than differences; for the box of a
// traced curve, which always contains the origin, the two agree. The distance is the width
// extent unless the height extent is at least five times as large.
inline Camera cameraFromBox(const Box& box) {
    Camera camera;
    camera.centreX = static_cast<float>((double(box.maxX) + box.minX) * 0.5);
    camera.centreY = static_cast<float>((double(box.maxY) + box.minY) * 0.5);
    const float absMinX = std::fabs(box.minX);
    const float absMinY = std::fabs(box.minY);
    const float widthExtent = static_cast<float>(double(box.maxX) + absMinX);
    const float heightExtent = static_cast<float>(double(box.maxY) + absMinY);
    camera.eyeDistance = (5.0 * widthExtent > heightExtent) ? widthExtent : heightExtent;
    adaptToEyeDistance(camera);
    return camera;
}

inline void includePoint(Box& box, float x, float y) {
    box.minX = std::fmin(box.minX, x);
    box.minY = std::fmin(box.minY, y);
    box.maxX = std::fmax(box.maxX, x);
    box.maxY = std::fmax(box.maxY, y);
}

// Widens the box about its centre by factor.
inline Box widenedBox(const Box& box, double factor) {
    const double centreX = (double(box.minX) + box.maxX) * 0.5;
    const double centreY = (double(box.minY) + box.maxY) * 0.5;
    const double halfWidth = (double(box.maxX) - box.minX) * 0.5 * factor;
    const double halfHeight = (double(box.maxY) - box.minY) * 0.5 * factor;
    return Box{static_cast<float>(centreX - halfWidth), static_cast<float>(centreY - halfHeight),
               static_cast<float>(centreX + halfWidth), static_cast<float>(centreY + halfHeight)};
}

// A box around the origin and the curve's lines (those in the curve color): their points, or,
// when every line passes through the origin, one direction length either way along them.
// Widened twice so that the lines stand well inside the picture.
inline Box curveLinesBox(const std::vector<Line>& lines) {
    Box box;
    for (const Line& line : lines) {
        if (line.color == kCurveColor) {
            includePoint(box, line.point.x, line.point.y);
        }
    }
    if (box.minX == box.maxX && box.minY == box.maxY) {
        for (const Line& line : lines) {
            if (line.color == kCurveColor) {
                const Point& p = line.point;
                const Point& d = line.direction;
                includePoint(box, static_cast<float>(double(p.x) + d.x),
                             static_cast<float>(double(p.y) + d.y));
                includePoint(box, static_cast<float>(double(p.x) - d.x),
                             static_cast<float>(double(p.y) - d.y));
            }
        }
    }
    return widenedBox(box, 2.0);
}

inline bool hasCurveLine(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.color == kCurveColor) {
            return true;
        }
    }
    return false;
}

// What the initial view frames: the segments' bounding box; but a curve made of lines leaves
// that box at its initial, unrelated value, so such a curve is framed by its lines.
inline Box framedBox(const std::vector<Segment>& segments, const std::vector<Line>& lines,
                     const Point& boxMin, const Point& boxMax) {
    if (segments.empty() && hasCurveLine(lines)) {
        return curveLinesBox(lines);
    }
    return Box{boxMin.x, boxMin.y, boxMax.x, boxMax.y};
}

// The segments close into a loop (an ellipse): the last one ends where the first starts, up to
// a thousandth of the box size (the traced angle ends about 2e-6 past a full turn).
inline bool isClosedChain(const std::vector<Segment>& segments) {
    if (segments.empty()) {
        return false;
    }
    const Point& start = segments.front().a;
    const Point& end = segments.back().b;
    Box box;
    box.minX = box.maxX = start.x;
    box.minY = box.maxY = start.y;
    for (const Segment& segment : segments) {
        includePoint(box, segment.a.x, segment.a.y);
    }
    const double size = std::fmax(double(box.maxX) - box.minX, double(box.maxY) - box.minY);
    return std::hypot(double(end.x) - start.x, double(end.y) - start.y) <= size * 1e-3;
}

// What the first view must show: the whole framed box of a closed curve; of an open one
// (parabola, hyperbola, lines), which runs on past what is traced of it, the box's width, while
// its arms may leave the window at the top and bottom.
struct Framing {
    Box box;
    bool closed = false;
};

inline Framing sceneFraming(const std::vector<Segment>& segments, const std::vector<Line>& lines,
                            const Point& boxMin, const Point& boxMax) {
    return Framing{framedBox(segments, lines, boxMin, boxMax), isClosedChain(segments)};
}

// tan 30 degrees: the initial view shows eyeDistance * tan 30 of the plane above and below the
// centre, and that times the aspect either side of it (field of view 60 degrees).
constexpr double kTanHalfFieldOfView = 0.57735026918962576;

inline bool showsFraming(const Camera& camera, const Framing& framing, float aspect) {
    const double halfHeight = double(camera.eyeDistance) * kTanHalfFieldOfView;
    const double halfWidth = halfHeight * aspect;
    const Box& box = framing.box;
    const bool widthShown = (double(box.maxX) - box.minX) * 0.5 <= halfWidth;
    const bool heightShown = (double(box.maxY) - box.minY) * 0.5 <= halfHeight;
    return widthShown && (heightShown || !framing.closed);
}

// The first view in a window of this aspect: the camera of cameraFromBox wherever it shows what
// the framing asks; otherwise the same centre with the camera moved back until the box's width
// (and a closed curve's height) fills at most cos 30 = 87% of the window's, as the height of a
// wide box does from cameraFromBox.
inline Camera firstViewCamera(const Framing& framing, float aspect) {
    const Camera usual = cameraFromBox(framing.box);
    if (showsFraming(usual, framing, aspect)) {
        return usual;
    }
    const Box& box = framing.box;
    const double widthDistance = (double(box.maxX) - box.minX) / aspect;
    const double heightDistance = framing.closed ? double(box.maxY) - box.minY : 0.0;
    const float distance = static_cast<float>(std::fmax(widthDistance, heightDistance));
    if (!std::isfinite(distance)) {
        return usual;
    }
    Camera movedBack;
    movedBack.centreX = usual.centreX;
    movedBack.centreY = usual.centreY;
    movedBack.eyeDistance = distance;
    adaptToEyeDistance(movedBack);
    return movedBack;
}

// Width over height of the window, a height of 0 counted as 1.
inline float reshapeAspect(int width, int height) {
    const int usedHeight = height == 0 ? 1 : height;
    return static_cast<float>(double(width) / usedHeight);
}
