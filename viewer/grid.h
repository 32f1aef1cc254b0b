#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// The numbered grid of the canonical frame, worked out from what the window shows of the plane.

struct PlaneSpot {
    double x = 0.0;
    double y = 0.0;
};

// Where the line from near to far (two points in the coordinates of the scene, at different
// heights) meets the plane z = 0.
inline PlaneSpot spotOnPlane(const double near[3], const double far[3]) {
    const double t = near[2] / (near[2] - far[2]);
    return {near[0] + t * (far[0] - near[0]), near[1] + t * (far[1] - near[1])};
}

// The round step, 1, 2 or 5 times a power of ten, that puts at most 10 and more than 4 lines
// across extent; 0 for an extent that is not a positive number.
inline double gridStep(double extent) {
    if (!(extent > 0.0) || !std::isfinite(extent)) {
        return 0.0;
    }
    const double wanted = extent / 10.0;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= wanted) {
            return multiple * power;
        }
    }
    return 10.0 * power;
}

// The most lines either way: a view turned by 45 degrees spans 10 steps times the square root
// of 2, plus one.
constexpr int kMaxGridLines = 16;

// One grid line, x = value (vertical) or y = value, and where its number is written.
struct GridLine {
    bool vertical;
    double value;
    PlaneSpot label;
};

// The view's corners on the plane, in the order lower left, lower right, upper right, upper
// left: the step follows the longer side of the view, the lines cover the corners' box, and
// each number stands on the other axis, or on the box's edge when that axis is out of sight.
inline std::vector<GridLine> gridLines(const PlaneSpot corners[4]) {
    const double width = std::hypot(corners[1].x - corners[0].x, corners[1].y - corners[0].y);
    const double height = std::hypot(corners[3].x - corners[0].x, corners[3].y - corners[0].y);
    const double step = gridStep(std::max(width, height));
    std::vector<GridLine> lines;
    if (step == 0.0) {
        return lines;
    }
    double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (int i = 1; i < 4; ++i) {
        minX = std::min(minX, corners[i].x);
        maxX = std::max(maxX, corners[i].x);
        minY = std::min(minY, corners[i].y);
        maxY = std::max(maxY, corners[i].y);
    }
    const double labelX = std::clamp(0.0, minX, maxX);
    const double labelY = std::clamp(0.0, minY, maxY);
    // The count is bounded: far from the origin, with digits lost, a step may not advance.
    const double firstX = std::ceil(minX / step);
    for (int i = 0; i < kMaxGridLines && (firstX + i) * step <= maxX; ++i) {
        const double x = (firstX + i) * step;
        lines.push_back({true, x, {x, labelY}});
    }
    const double firstY = std::ceil(minY / step);
    for (int i = 0; i < kMaxGridLines && (firstY + i) * step <= maxY; ++i) {
        const double y = (firstY + i) * step;
        lines.push_back({false, y, {labelX, y}});
    }
    return lines;
}
