#pragma once

#include "geometry/matrica"

// The axes of a coordinate frame are drawn as two lines in fixed colors, announced on the
// console by one legend line.
struct FrameStyle {
    ColorCode xAxisColor;
    ColorCode yAxisColor;
    const char* legend;
};

extern const FrameStyle kGreenBlueFrame;
extern const FrameStyle kYellowOrangeFrame;
extern const FrameStyle kMagentaCyanFrame;

// (to - from) as a direction, z 0 and the default color.
Point vectorBetween(Point from, Point to);

// Appends the x axis and then the y axis through origin, and prints the style's legend.
void addFrameAxes(Point xDirection, Point yDirection, Point origin, const FrameStyle& style);

// Appends the axes of four frames: the plain frame of the canonical curve and its images
// under the reflection, then the rotation, then the translation.
void addCoordinateFrames(Matrix reflection, Matrix rotation, Matrix translation);
