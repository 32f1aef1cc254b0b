#pragma once

#include <X11/Xlib.h>

// Watches the X display (DISPLAY) for the window titled "Geometrija - prikaz zadatka", which
// both konika and the bare program open, one program at a time.
class WindowWatch {
  public:
    WindowWatch();
    ~WindowWatch();

    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // True once the window is viewable and its first frame is shown: the background color in
    // its four corners. Before its first frame the window is black.
    bool firstFrameShown();

    // True while a window with the title exists, shown or not.
    bool windowExists();

    // The window with the title once it is viewable; 0 before.
    Window shownWindow() { return findWindow(true); }

  private:
    Window findWindow(bool viewableOnly);
    bool isBackground(Window window, int x, int y);

    Display* display_ = nullptr;
};
