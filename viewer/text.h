#pragma once

// Text in the window, with GLUT's bitmap font: the one place that knows how text is drawn.

// Draws text with its lower left corner a few pixels up and right of the point (x, y, z) of the
// current coordinates, in the current color. Text whose point lies outside the view is not
// drawn.
void drawText(float x, float y, float z, const char* text);

// The width and the line height of text, in pixels.
int textWidth(const char* text);
int textLineHeight();
