#pragma once

#include "viewer/keys.h"

// Carries out what a key or the wheel asks and has the window redrawn.
void applyViewAction(ViewAction action);

// GLUT keyboard callbacks: a character key, and a special key (arrows, Home).
void onKey(unsigned char key, int x, int y);
void onSpecialKey(int key, int x, int y);
