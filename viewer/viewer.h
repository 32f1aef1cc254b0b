#pragma once

// Opens the window on the scene and enters the GLUT main loop; does not return.
void runViewer(int argc, char** argv);

// What runViewer does before the main loop: the window, the camera placed on the scene and
// the callbacks registered. For programs that run GLUT's loop themselves (benchmarks).
void openViewer(int* argc, char** argv);

// Shows the scene as it is now in the open window, in the first view: the camera framed on it
// anew, every pan, turn and zoom discarded and what g, m and h show turned off. For a program
// that shows one scene after another in the same window (the page).
void showScene();

// The reshape callback, and the way back to the first view: the camera framed afresh for the
// window's shape and a fresh perspective, which discard every pan, rotation and zoom; the
// projection stack stays current for the navigation.
void onReshape(int width, int height);
