#pragma once

#include "scene/shapes.h"

// One shape at a time, in immediate mode, each in its own palette color.

// Makes the palette color of code current; a code without one changes nothing.
void setColor(ColorCode code);

void drawLine(const Line& line);
void drawCircle(const Circle& circle);
void drawSegment(const Segment& segment);
void drawPoint(const Point& point);
