#include "viewer/view_actions.h"

#include "viewer/overlays.h"
#include "viewer/view_state.h"
#include "viewer/view_steps.h"
#include "viewer/viewer.h"

// The browser's GLUT has no main loop to leave: there the page stays and the quitting keys do
// nothing.
#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#else
#include <GL/freeglut.h>
#endif

static_assert(kSpecialKeyLeft == GLUT_KEY_LEFT && kSpecialKeyUp == GLUT_KEY_UP &&
                  kSpecialKeyRight == GLUT_KEY_RIGHT && kSpecialKeyDown == GLUT_KEY_DOWN &&
                  kSpecialKeyHome == GLUT_KEY_HOME,
              "the special keys are GLUT's");

static PixelStep windowPanStep(ViewAction action) {
    return panStep(action, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
}

void applyViewAction(ViewAction action) {
    switch (action) {
    case ViewAction::None:
        return;
    case ViewAction::Quit:
#ifndef __EMSCRIPTEN__
        // With GLUT's default action on closing, leaving the loop ends the process with
        // status 0, as the window's close button does.
        glutLeaveMainLoop();
#endif
        return;
    case ViewAction::FirstView:
        onReshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
        break;
    case ViewAction::ZoomIn:
    case ViewAction::ZoomOut:
        zoomAboutPivot(zoomStepFactor(action));
        break;
    case ViewAction::PanLeft:
    case ViewAction::PanRight:
    case ViewAction::PanUp:
    case ViewAction::PanDown:
        panPicture(windowPanStep(action));
        break;
    case ViewAction::Save:
        pictureRequested = true;
        break;
    case ViewAction::ToggleElements:
        toggleElements();
        break;
    case ViewAction::ToggleGrid:
        overlays.grid = !overlays.grid;
        break;
    case ViewAction::ToggleHelp:
        overlays.help = !overlays.help;
        break;
    }
    glutPostRedisplay();
}

void onKey(unsigned char key, int, int) {
    applyViewAction(actionForKey(key));
}

void onSpecialKey(int key, int, int) {
    applyViewAction(actionForSpecialKey(key));
}
