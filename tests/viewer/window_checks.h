#pragma once

#include "konika_window.h"
#include "picture.h"

// A red outline whose bounding box has this centre (within 2 pixels) and size (within 3).
struct Outline {
    double centreX;
    double centreY;
    double width;
    double height;
};

bool hasRedOutline(const Picture& picture, const Outline& outline);
void expectRedOutline(const Picture& picture, const Outline& outline);

// Waits for the outline and checks it; returns the picture.
Picture waitForRedOutline(KonikaWindow& window, const Outline& outline);

// Resizes to 1000 x 700 and back and checks the pictures on the way: the first is the initial
// view at the new width, the initial picture's middle columns, the second the initial picture.
// Two resizes, since a resize to the size the window already has is none.
void restoreByResizing(KonikaWindow& window, const Picture& initial);
