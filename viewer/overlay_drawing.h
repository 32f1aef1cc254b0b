#pragma once

#include "scene/elements.h"

// The GL drawing of the overlays; each leaves the GL state as it found it.

// Points, the lines that are not the curve itself (dashed or dash-dotted) and their labels,
// in the canonical coordinates the scene is drawn in.
void drawElements(const CurveElements& elements);

// The numbered grid of the canonical frame over the part of the plane the window shows.
void drawGrid();

// The list of the keys and mouse controls in the upper left corner of the window.
void drawHelp();
