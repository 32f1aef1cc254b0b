#pragma once

#include "geometry/point.h"
#include "viewer/keys.h"
#include "viewer/navigation.h"

// The steps that change the view. Each multiplies a transform onto the projection matrix, which
// the reshape callback leaves current, so that a resize discards them all; each acts on eye
// space before the steps taken earlier.

// The scene point shown at window position (x, y), origin at the bottom left, and window depth
// (0 the near plane, 1 the far one); false when the current matrices cannot be inverted. As
// the doubles the projection gives, or stored as a scene point.
bool unprojectWindowPoint(double x, double y, double depth, double (&result)[3]);
bool unprojectWindowPoint(double x, double y, double depth, Point& result);

// Where a scene point is shown: its window position, origin at the bottom left, and window depth.
struct WindowPoint {
    double x = 0.0;
    double y = 0.0;
    double depth = 0.0;
};

// False when the current matrices cannot project the point (it lies in the eye's plane).
bool windowPointOf(double x, double y, double z, WindowPoint& result);

// Moves the view so that the scene point from is shown where to is shown now.
void moveViewBetween(const Point& from, const Point& to);

// Moves the picture of the plane z = 0 by a step of window pixels; leaves the view as it is
// when the matrices cannot be inverted.
void panPicture(const PixelStep& step);

// Scales and turns the picture as the step asks, about its first midpoint, and moves that
// point to the second, in the window's pixels: exactly as far as the fingers went, whatever
// the steps before did.
void pinchPicture(const PinchStep& step);

// Turn and scale about the pivot (centreX, centreY, eyeDistance) of eye space.
void rotateAboutPivot(float degrees);
void zoomAboutPivot(float factor);
