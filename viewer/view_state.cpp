#include "viewer/view_state.h"

#include "viewer/camera.h"

float centreX = 0.0f;
float centreY = 0.0f;
float eyeDistance = 0.0f;

float nearDistance = 1.0f;
float farDistance = 1000.0f;
float lineReach = kUsualLineReach;

int lastMouseX = 0;
int lastMouseY = 0;

bool leftButtonDown = false;
bool rightButtonDown = false;
bool middleButtonDown = false;

Point pressPoint;

Framing viewFraming;

bool pictureRequested = false;
