#pragma once

// A plane point or a direction vector; z stays 0 for everything konika creates.
using ColorCode = int;

constexpr ColorCode kDefaultColor = 9; // black

struct Point {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    ColorCode color = kDefaultColor;
};
