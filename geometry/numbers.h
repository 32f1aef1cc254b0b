#pragma once

// The numeric conventions shared by every stage: each stored coefficient and coordinate is a
// 32-bit float, and expressions are evaluated in double between stores.

constexpr double kPi = 3.141592653589793;

// Rounds a value evaluated in double to the float it is stored as.
inline float toFloat(double value) {
    return static_cast<float>(value);
}
