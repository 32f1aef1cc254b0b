#pragma once

#include "viewer/navigation.h"

#include <cctype>

// What a key or a step of the mouse wheel asks of the window.
enum class ViewAction {
    None,
    Quit,
    FirstView,
    ZoomIn,
    ZoomOut,
    PanLeft,
    PanRight,
    PanUp,
    PanDown,
    Save,
    ToggleElements,
    ToggleGrid,
    ToggleHelp
};

// GLUT's codes of the special keys and buttons of the wheel used here (GLUT_KEY_LEFT ...).
constexpr int kSpecialKeyLeft = 100;
constexpr int kSpecialKeyUp = 101;
constexpr int kSpecialKeyRight = 102;
constexpr int kSpecialKeyDown = 103;
constexpr int kSpecialKeyHome = 106;
constexpr int kWheelUpButton = 3;
constexpr int kWheelDownButton = 4;

constexpr unsigned char kEscape = 27;

// Letters count in either case, so that Caps Lock changes nothing. The keypad's + and - come as
// the same characters.
inline ViewAction actionForKey(unsigned char key) {
    switch (std::tolower(key)) {
    case kEscape:
    case 'q':
        return ViewAction::Quit;
    case 'r':
        return ViewAction::FirstView;
    case '+':
    case '=':
        return ViewAction::ZoomIn;
    case '-':
        return ViewAction::ZoomOut;
    case 's':
        return ViewAction::Save;
    case 'g':
        return ViewAction::ToggleElements;
    case 'm':
        return ViewAction::ToggleGrid;
    case 'h':
        return ViewAction::ToggleHelp;
    default:
        return ViewAction::None;
    }
}

inline ViewAction actionForSpecialKey(int key) {
    switch (key) {
    case kSpecialKeyLeft:
        return ViewAction::PanLeft;
    case kSpecialKeyRight:
        return ViewAction::PanRight;
    case kSpecialKeyUp:
        return ViewAction::PanUp;
    case kSpecialKeyDown:
        return ViewAction::PanDown;
    case kSpecialKeyHome:
        return ViewAction::FirstView;
    default:
        return ViewAction::None;
    }
}

inline bool isWheelButton(int button) {
    return button == kWheelUpButton || button == kWheelDownButton;
}

inline ViewAction actionForWheel(int button) {
    return button == kWheelUpButton ? ViewAction::ZoomIn : ViewAction::ZoomOut;
}

// A zoom step of a key or the wheel is that of a middle drag this many pixels long: upwards
// to zoom in, downwards to zoom out.
constexpr int kZoomStepPixels = 30;

inline float zoomStepFactor(ViewAction action) {
    return zoomFactor(action == ViewAction::ZoomIn ? -kZoomStepPixels : kZoomStepPixels);
}

// How far an arrow moves the picture, in window pixels (y downwards): a tenth of the window's
// width or height, the way the arrow points.
struct PixelStep {
    double dx = 0.0;
    double dy = 0.0;
};

inline PixelStep panStep(ViewAction action, int windowWidth, int windowHeight) {
    const double across = windowWidth / 10.0;
    const double down = windowHeight / 10.0;
    switch (action) {
    case ViewAction::PanLeft:
        return {-across, 0.0};
    case ViewAction::PanRight:
        return {across, 0.0};
    case ViewAction::PanUp:
        return {0.0, -down};
    case ViewAction::PanDown:
        return {0.0, down};
    default:
        return {};
    }
}
