#pragma once

// Clears the window and draws the whole scene: circles, then lines, segments and points, each
// later shape over the earlier ones, with what the keys g, m and h turned on under or over it;
// saves the picture when asked to. The display callback:
// GLUT calls it when the window needs it, and the input callbacks ask for it after changing
// the view, so nothing is drawn while nothing changes.
void display();
