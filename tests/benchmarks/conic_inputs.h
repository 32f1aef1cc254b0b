#pragma once

// One example of each curve kind, and a rotated and translated one, as the six numbers typed
// (X^2, X*Y, Y^2, X, Y, free term), one a line. The same examples as the gallery's.
struct ConicInput {
    const char* name;
    const char* typed;
};

constexpr ConicInput kEllipse{"ellipse", "1\n0\n4\n0\n0\n-4\n"};
// The largest scene: 400 segments, then the 8 frame axes.
constexpr ConicInput kHyperbola{"hyperbola", "1\n0\n-4\n0\n0\n-4\n"};

constexpr ConicInput kConicInputs[] = {
    kEllipse,
    kHyperbola,
    {"parabola", "0\n0\n1\n-4\n0\n0\n"},
    {"intersecting_lines", "1\n0\n-1\n0\n0\n0\n"},
    {"parallel_lines", "0\n0\n1\n0\n0\n-1\n"},
    {"double_line", "1\n4\n4\n0\n0\n0\n"},
    {"rotated_translated", "5\n4\n8\n-32\n-56\n80\n"},
};
