#pragma once

#include "scene/shapes.h"

// Clears the window and draws the whole scene: circles, then lines, segments and points, each
// later shape over the earlier ones. Serves as the display and the idle callback.
void display();

// Makes the palette color of code current; a code without one changes nothing.
void setColor(ColorCode code);

void drawLine(const Line& line);
void drawCircle(const Circle& circle);
