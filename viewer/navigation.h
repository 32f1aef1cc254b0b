#pragma once

#include <array>
#include <cmath>
#include <cstdint>

// What a drag does, decided from the held buttons at every motion event.
enum class DragMode { None, Pan, Rotate, Zoom };

// The middle button zooms whatever else is held; so do left and right together.
inline DragMode dragMode(bool leftDown, bool middleDown, bool rightDown) {
    if (middleDown || (leftDown && rightDown)) {
        return DragMode::Zoom;
    }
    if (leftDown) {
        return DragMode::Pan;
    }
    if (rightDown) {
        return DragMode::Rotate;
    }
    return DragMode::None;
}

// Degrees to turn for one drag step: the step's length over the viewport width (plus one)
// times 180, clockwise on the screen (negative) when the step goes right. The squares are
// summed in 64 bits: window coordinates span 16 bits, whose squares overflow 32.
inline float rotationAngle(int dx, int dy, int viewportWidth) {
    const std::int64_t squares = std::int64_t(dx) * dx + std::int64_t(dy) * dy;
    const float length = static_cast<float>(std::sqrt(double(squares)));
    const float angle = static_cast<float>(double(length) / (double(viewportWidth) + 1.0) * 180.0);
    return dx > 0 ? -angle : angle;
}

// Scale factor for one drag step: e^(dy / 2100), so a downward drag (dy > 0) enlarges eye space
// and the picture gets smaller.
inline float zoomFactor(int dy) {
    return static_cast<float>(std::exp(double(dy) / 2100.0));
}

// Two fingers on the picture, in window pixels (y downwards).
struct FingerPair {
    double x1, y1, x2, y2;
};

// One step of a two-finger gesture: the point under the fingers' midpoint goes to the new
// midpoint, the picture grows by the ratio of their distances and turns as the line between
// them turned (degrees, counter-clockwise on the screen).
struct PinchStep {
    double fromX, fromY;
    double toX, toY;
    double scale;
    double degrees;
};

inline PinchStep pinchStep(const FingerPair& before, const FingerPair& after) {
    constexpr double kPi = 3.141592653589793;
    const double apartBefore = std::hypot(before.x2 - before.x1, before.y2 - before.y1);
    const double apartAfter = std::hypot(after.x2 - after.x1, after.y2 - after.y1);
    // With y downwards, a turn that the eye sees counter-clockwise lowers the angle; the turn is
    // the shorter way round.
    const double turn = std::remainder(std::atan2(before.y2 - before.y1, before.x2 - before.x1) -
                                           std::atan2(after.y2 - after.y1, after.x2 - after.x1),
                                       2 * kPi);
    return {(before.x1 + before.x2) / 2,
            (before.y1 + before.y2) / 2,
            (after.x1 + after.x2) / 2,
            (after.y1 + after.y2) / 2,
            apartBefore > 0 && apartAfter > 0 ? apartAfter / apartBefore : 1.0,
            turn * 180 / kPi};
}

// The step as a matrix to put before the projection (column-major, as OpenGL takes it), for a
// window of width x height pixels: in the window's pixels, about the first midpoint, it scales
// and turns the picture and moves that midpoint to the second. It works on the projected x and
// y alone (and so as much on every depth), and in pixels, so that a turn stays a turn on a
// window that is not square.
inline std::array<double, 16> pinchMatrix(const PinchStep& step, double width, double height) {
    constexpr double kPi = 3.141592653589793;
    const double turn = step.degrees * kPi / 180;
    const double c = step.scale * std::cos(turn);
    const double s = step.scale * std::sin(turn);
    // Normalised device coordinates of the midpoints, y upwards.
    const double fromX = 2 * step.fromX / width - 1;
    const double fromY = 1 - 2 * step.fromY / height;
    const double toX = 2 * step.toX / width - 1;
    const double toY = 1 - 2 * step.toY / height;
    const double xFromY = -s * height / width; // what y adds to x, in x's units
    const double yFromX = s * width / height;
    return {c,
            yFromX,
            0,
            0,
            xFromY,
            c,
            0,
            0,
            0,
            0,
            1,
            0,
            toX - c * fromX - xFromY * fromY,
            toY - yFromX * fromX - c * fromY,
            0,
            1};
}
