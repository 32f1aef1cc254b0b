#pragma once

#include "geometry/point.h"
#include "viewer/camera.h"

// The viewer's program-wide state. Every resize sets the camera afresh; the mouse and key
// callbacks keep the rest.

// The first view's camera, above (centreX, centreY) at eyeDistance from the plane z = 0; rotation
// and zoom pivot on the eye-space point (centreX, centreY, eyeDistance).
extern float centreX;
extern float centreY;
extern float eyeDistance;

// The clipping distances of every perspective the viewer loads, and how many direction
// lengths either way a line is drawn.
extern float nearDistance;
extern float farDistance;
extern float lineReach;

// Window position (y downwards) of the last press or of the last handled drag step.
extern int lastMouseX;
extern int lastMouseY;

extern bool leftButtonDown;
extern bool rightButtonDown;
extern bool middleButtonDown;

// The point on the near plane under the cursor at the last press; a pan keeps it there.
extern Point pressPoint;

// What the first view shows of the scene, taken once when the window opens.
extern Framing viewFraming;

// The save key asks for the next frame to be saved as a picture.
extern bool pictureRequested;
