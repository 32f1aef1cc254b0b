#pragma once

// What the keys g, m and h show over the picture, each turned on and off by its key: the
// elements of the curve, a numbered grid of the canonical frame, the list of the controls.
struct Overlays {
    bool elements = false;
    bool grid = false;
    bool help = false;
};

// The overlays shown now; all off when the window opens, so it opens on the plain picture.
extern Overlays overlays;

// All off again, and the elements worked out anew when next asked for: for a new scene in the
// same window (the page).
void resetOverlays();

// Turns the elements on or off; each time they are turned on they are printed on the console
// as well.
void toggleElements();

// Called by the display callback: the grid under the scene, the elements and the list of the
// controls over it, each when it is on.
void drawUnderlays();
void drawOverlays();
