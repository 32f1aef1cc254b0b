#pragma once

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
