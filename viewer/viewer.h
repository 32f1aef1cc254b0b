#pragma once

// Opens the window on the scene and enters the GLUT main loop; does not return: the process
// ends when the window is closed.
void runViewer(int argc, char** argv);
