// The page's entry. The program is the native one; what differs is how the numbers arrive
// (the page hands over the six fields as the text a user would type), where the text goes
// (standard output, which the page collects and shows) and that one window shows one
// equation after another (the scene is emptied and shown anew, in its first view, for each).
#include "app/conic.h"
#include "app/word_reader.h"
#include "exact/exact_conic.h"
#include "scene/scene.h"
#include "viewer/viewer.h"

#include <GL/glut.h>
#include <emscripten.h>

#include <cstdio>
#include <string>

// Reads the six numbers from the typed text, length bytes that may hold any byte, and reduces
// the equation, printing every step as the console program does. Returns 1 when there is a
// picture, which the canvas then shows in its first view, and 0 when the reduction ends
// without one.
extern "C" EMSCRIPTEN_KEEPALIVE int reduceEquation(const char* typed, int length) {
    clearScene();
    StringSource text(std::string(typed, length));
    Conic conic;
    ExactConic exact;
    const bool picture = readConic(conic, exact, text) && conic.reduceConic(exact) == 0;
    std::fflush(stdout);
    if (picture) {
        showScene();
    }
    return picture ? 1 : 0;
}

// Opens the window on the page's canvas, still empty, and returns to the browser, which
// then delivers the window's events; the equations come through reduceEquation.
int main(int argc, char** argv) {
    openViewer(&argc, argv);
    glutMainLoop();
    return 0;
}
