#pragma once

// GLUT mouse callbacks (window coordinates, y downwards). Every transform they apply is
// multiplied onto the projection matrix, which the reshape callback leaves current, so a
// resize discards them all.

// A press records the position, the near-plane point under the cursor and the button; any
// release ends the drag of every button.
void onMouse(int button, int state, int x, int y);

// A drag step pans, rotates or zooms, as the held buttons decide.
void onMotion(int x, int y);
