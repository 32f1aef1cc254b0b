#pragma once

#include "child_process.h"
#include "picture.h"
#include "xvfb_server.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct _XDisplay;

// A konika process on a virtual X server, driven through real X events: XTest for the mouse,
// requests to the server for resizing and closing, screenshots of its window. Every wait
// has a time-out, and the process is ended with this object.
class KonikaWindow {
  public:
    // Starts konika with the six coefficients as its input lines, in directory (ours when
    // empty), and waits until its window is shown with a settled picture.
    KonikaWindow(const XvfbServer& server, const std::vector<std::string>& coefficients,
                 const std::string& directory = "");
    KonikaWindow(const KonikaWindow&) = delete;
    KonikaWindow& operator=(const KonikaWindow&) = delete;

    ChildProcess& process() { return *process_; }

    std::string title();
    struct Geometry {
        int x;
        int y;
        int width;
        int height;
    };
    Geometry geometry();

    Picture capture();
    // The picture once it stays the same over a few frames.
    Picture settledPicture();
    // The settled picture once it differs from before.
    Picture settledPictureAfterChange(const Picture& before);
    // The first settled picture for which condition holds, or the last one when it does not
    // hold in time.
    Picture waitForPicture(const std::function<bool(const Picture&)>& condition,
                           const std::string& what);

    // Pointer positions are window coordinates; buttons are X button numbers (1 left,
    // 2 middle, 3 right, 4 and 5 the wheel).
    void moveTo(int x, int y);
    void press(int button);
    void release(int button);
    // Presses the buttons in order at from, moves to to in equal steps, releases them.
    void drag(const std::vector<int>& buttons, int fromX, int fromY, int toX, int toY,
              int steps = 10);

    // Presses and releases the key of an X keysym (XK_q, XK_KP_Add, XK_Left ...), with Shift
    // where the keysym needs it, the window having the keyboard focus.
    void pressKey(unsigned long keysym);
    // One step of the wheel: X button 4 up, 5 down.
    void turnWheel(int button);

    // What konika has printed once text is among it; what it printed so far after a time-out.
    std::string waitForOutput(const std::string& text);

    // Asks the server for a new size; konika then redraws on its own time.
    void resize(int width, int height);
    // Sends the window manager's close request, WM_DELETE_WINDOW.
    void requestClose();

  private:
    void findWindow();
    void sync();

    struct DisplayCloser {
        void operator()(_XDisplay* display) const;
    };

    // Declared first, so that konika ends before the connection closes.
    std::unique_ptr<_XDisplay, DisplayCloser> connection_;
    _XDisplay* display_ = nullptr;
    unsigned long window_ = 0;
    std::unique_ptr<ChildProcess> process_;
};
