#pragma once

#include "geometry/point.h"

#include <optional>

struct Rgb {
    float red;
    float green;
    float blue;
};

// The drawing color of a code; codes outside 0..9 have none and leave the current color as it
// is.
inline std::optional<Rgb> paletteColor(ColorCode code) {
    static constexpr Rgb palette[] = {
        {1.0f, 0.0f, 0.0f}, // 0 red
        {0.0f, 1.0f, 0.0f}, // 1 green
        {0.0f, 0.0f, 1.0f}, // 2 blue
        {1.0f, 1.0f, 0.0f}, // 3 yellow
        {1.0f, 0.5f, 0.0f}, // 4 orange
        {1.0f, 0.0f, 1.0f}, // 5 magenta
        {0.0f, 1.0f, 1.0f}, // 6 cyan
        {0.5f, 0.0f, 0.5f}, // 7 dark purple
        {1.0f, 1.0f, 1.0f}, // 8 white
        {0.0f, 0.0f, 0.0f}, // 9 black
    };
    if (code < 0 || code > 9) {
        return std::nullopt;
    }
    return palette[code];
}
