#include "konika_window.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTimeout = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(20);
// Frames that must repeat before a picture counts as settled.
constexpr int kSettledRepeats = 4;
// The server runs konika alone, so its window is the one with this title.
constexpr const char* kTitle = "Geometrija - prikaz zadatka";

std::string whatItSaid(const ChildProcess& konika) {
    return konika.output() + konika.errors();
}

// Requests on a window that konika has just destroyed, or a capture of a window partly off
// the screen, fail; the callers notice it from the results.
int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

std::string windowName(Display* display, Window window) {
    char* name = nullptr;
    std::string text;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        text = name;
        XFree(name);
    }
    return text;
}

bool isViewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

} // namespace

KonikaWindow::KonikaWindow(const XvfbServer& server, const std::vector<std::string>& coefficients,
                           const std::string& directory) {
    XSetErrorHandler(ignoreXErrors);
    connection_.reset(XOpenDisplay(server.display().c_str()));
    display_ = connection_.get();
    if (display_ == nullptr) {
        throw std::runtime_error("cannot connect to " + server.display());
    }
    ChildProcess::Options options;
    options.environment = {"DISPLAY=" + server.display()};
    options.input = joinLines(coefficients);
    process_ =
        std::make_unique<ChildProcess>(std::vector<std::string>{KONIKA_PATH}, options, directory);
    findWindow();
    waitForPicture([](const Picture& p) { return countBackground(p) > p.width * p.height / 2; },
                   "the first picture");
}

void KonikaWindow::DisplayCloser::operator()(Display* display) const {
    XCloseDisplay(display);
}

void KonikaWindow::findWindow() {
    const auto deadline = Clock::now() + kTimeout;
    while (Clock::now() < deadline) {
        if (!process_->running()) {
            throw std::runtime_error("konika ended without a window:\n" + whatItSaid(*process_));
        }
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        for (unsigned int i = 0; i < count; ++i) {
            if (windowName(display_, children[i]) == kTitle && isViewable(display_, children[i])) {
                window_ = children[i];
            }
        }
        XFree(children);
        if (window_ != 0) {
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    throw std::runtime_error("no window of konika shown:\n" + whatItSaid(*process_));
}

std::string KonikaWindow::title() {
    return windowName(display_, window_);
}

KonikaWindow::Geometry KonikaWindow::geometry() {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, window_, &attributes) == 0) {
        throw std::runtime_error("the window is gone");
    }
    return Geometry{attributes.x, attributes.y, attributes.width, attributes.height};
}

Picture KonikaWindow::capture() {
    const Geometry g = geometry();
    XImage* image = XGetImage(display_, window_, 0, 0, unsigned(g.width), unsigned(g.height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("cannot capture the window");
    }
    const bool rgb32 = image->bits_per_pixel == 32 && image->red_mask == 0xff0000 &&
                       image->green_mask == 0xff00 && image->blue_mask == 0xff;
    Picture picture{g.width, g.height, {}};
    picture.pixels.resize(std::size_t(g.width) * g.height);
    for (int y = 0; rgb32 && y < g.height; ++y) {
        std::memcpy(&picture.pixels[std::size_t(y) * g.width],
                    image->data + std::size_t(y) * image->bytes_per_line, std::size_t(g.width) * 4);
    }
    XDestroyImage(image);
    if (!rgb32) {
        throw std::runtime_error("the window's pixels are not 32-bit RGB");
    }
    for (std::uint32_t& pixel : picture.pixels) {
        pixel &= 0xffffff;
    }
    return picture;
}

Picture KonikaWindow::settledPicture() {
    const auto deadline = Clock::now() + kTimeout;
    Picture previous = capture();
    for (int repeats = 0; repeats < kSettledRepeats;) {
        if (Clock::now() > deadline) {
            throw std::runtime_error("the picture does not settle");
        }
        std::this_thread::sleep_for(kPollInterval);
        Picture next = capture();
        repeats = next == previous ? repeats + 1 : 0;
        previous = std::move(next);
    }
    return previous;
}

Picture KonikaWindow::settledPictureAfterChange(const Picture& before) {
    return waitForPicture([&](const Picture& p) { return p != before; }, "a changed picture");
}

Picture KonikaWindow::waitForPicture(const std::function<bool(const Picture&)>& condition,
                                     const std::string& what) {
    const auto deadline = Clock::now() + kTimeout;
    while (true) {
        if (!process_->running()) {
            throw std::runtime_error("konika ended while waiting for " + what + ":\n" +
                                     whatItSaid(*process_));
        }
        Picture picture = settledPicture();
        if (condition(picture) || Clock::now() > deadline) {
            return picture;
        }
    }
}

void KonikaWindow::sync() {
    XSync(display_, False);
}

void KonikaWindow::moveTo(int x, int y) {
    const Geometry g = geometry();
    XTestFakeMotionEvent(display_, -1, g.x + x, g.y + y, CurrentTime);
    sync();
}

void KonikaWindow::press(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), True, CurrentTime);
    sync();
}

void KonikaWindow::release(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), False, CurrentTime);
    sync();
}

void KonikaWindow::drag(const std::vector<int>& buttons, int fromX, int fromY, int toX, int toY,
                        int steps) {
    moveTo(fromX, fromY);
    for (int button : buttons) {
        press(button);
    }
    for (int i = 1; i <= steps; ++i) {
        moveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    }
    for (int button : buttons) {
        release(button);
    }
}

void KonikaWindow::pressKey(unsigned long keysym) {
    XSetInputFocus(display_, window_, RevertToPointerRoot, CurrentTime);
    const KeyCode key = XKeysymToKeycode(display_, keysym);
    if (key == 0) {
        throw std::runtime_error("no key gives keysym " + std::to_string(keysym));
    }
    const bool shifted = XkbKeycodeToKeysym(display_, key, 0, 0) != keysym;
    const KeyCode shift = XKeysymToKeycode(display_, XK_Shift_L);
    if (shifted) {
        XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    }
    XTestFakeKeyEvent(display_, key, True, CurrentTime);
    XTestFakeKeyEvent(display_, key, False, CurrentTime);
    if (shifted) {
        XTestFakeKeyEvent(display_, shift, False, CurrentTime);
    }
    sync();
}

void KonikaWindow::turnWheel(int button) {
    press(button);
    release(button);
}

std::string KonikaWindow::waitForOutput(const std::string& text) {
    const auto deadline = Clock::now() + kTimeout;
    std::string output = process_->output();
    while (output.find(text) == std::string::npos && Clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
        output = process_->output();
    }
    return output;
}

void KonikaWindow::resize(int width, int height) {
    XResizeWindow(display_, window_, unsigned(width), unsigned(height));
    sync();
}

void KonikaWindow::requestClose() {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window_, False, NoEventMask, &event);
    sync();
}
