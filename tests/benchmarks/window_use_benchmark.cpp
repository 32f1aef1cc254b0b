// What konika's window costs while nobody touches it, and how soon a drag shows: konika on the
// ellipse, and an earlier build of it when one is given, each in turn on a virtual X server of
// its own, so that the server's processor time is that program's alone.
//
//   window_use_benchmark [--idle-seconds S] [--drag-events N] [--rounds R] [EARLIER_KONIKA]
//
// Idle: the processor time of konika and of the X server over S seconds (10) after the first
// frame and a second to settle. Drag: the left button held, then N (500) motion events of 8
// pixels, 50 to the right and 50 back in turn, each sent once the previous one shows; its
// latency runs from sending the event to the first read of the window that differs, polling one
// row across the ellipse. Each round measures every program, the order alternating.
#include "child_process.h"
#include "conic_inputs.h"
#include "process_cpu.h"
#include "window_watch.h"
#include "xvfb_server.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Settings {
    double idleSeconds = 10.0;
    int dragEvents = 500;
    int rounds = 2;
    std::string earlierKonika;
};

struct Figures {
    double konikaIdleSeconds = 0.0;
    double serverIdleSeconds = 0.0;
    double medianMs = 0.0;
    double percentile95Ms = 0.0;
};

void waitForFirstFrame(WindowWatch& watch, ChildProcess& program) {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!watch.firstFrameShown()) {
        if (!program.running() || Clock::now() > deadline) {
            throw std::runtime_error("no first frame of " + program.errors());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::string windowRow(Display* display, Window window, int width, int row) {
    XImage* image = XGetImage(display, window, 0, row, unsigned(width), 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("cannot read the window");
    }
    std::string pixels(image->data, std::size_t(image->bytes_per_line));
    XDestroyImage(image);
    return pixels;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Row 300 of 700 crosses the ellipse twice and the cyan axis: every 2-pixel pan changes it.
std::vector<double> dragLatencies(Display* display, Window window, int events) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    const int row = attributes.height * 3 / 7;
    int x = attributes.x + 300;
    const int y = attributes.y + 350;
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<double> latencies;
    for (int i = 0; i < events; ++i) {
        x += (i / 50) % 2 == 0 ? 8 : -8;
        const std::string before = windowRow(display, window, attributes.width, row);
        const auto sent = Clock::now();
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XFlush(display);
        while (windowRow(display, window, attributes.width, row) == before) {
            if (millisecondsSince(sent) > 5000) {
                throw std::runtime_error("a drag step did not show within 5 s");
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        latencies.push_back(millisecondsSince(sent));
    }
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    return latencies;
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t rank = std::size_t(fraction * double(values.size()) + 0.999999);
    return values[std::min(values.size(), std::max<std::size_t>(rank, 1)) - 1];
}

Figures measure(const std::string& konika, const Settings& settings) {
    XvfbServer server;
    setenv("DISPLAY", server.display().c_str(), 1);
    WindowWatch watch;
    ChildProcess program({konika}, {{}, kEllipse.typed});
    waitForFirstFrame(watch, program);
    std::this_thread::sleep_for(std::chrono::seconds(1));

    Figures figures;
    const double konikaBefore = cpuSeconds(program.pid());
    const double serverBefore = cpuSeconds(server.pid());
    std::this_thread::sleep_for(std::chrono::duration<double>(settings.idleSeconds));
    figures.konikaIdleSeconds = cpuSeconds(program.pid()) - konikaBefore;
    figures.serverIdleSeconds = cpuSeconds(server.pid()) - serverBefore;

    Display* display = XOpenDisplay(server.display().c_str());
    if (display == nullptr) {
        throw std::runtime_error("cannot connect to " + server.display());
    }
    const std::vector<double> latencies =
        dragLatencies(display, watch.shownWindow(), settings.dragEvents);
    XCloseDisplay(display);
    figures.medianMs = percentile(latencies, 0.5);
    figures.percentile95Ms = percentile(latencies, 0.95);
    return figures;
}

void print(const char* label, const Figures& f, const Settings& settings) {
    std::printf("%-16s %8.2f s %8.2f s %10.3f %12.2f ms %12.2f ms\n", label, f.konikaIdleSeconds,
                f.serverIdleSeconds,
                (f.konikaIdleSeconds + f.serverIdleSeconds) / settings.idleSeconds, f.medianMs,
                f.percentile95Ms);
    std::fflush(stdout);
}

Settings parse(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--idle-seconds" && hasValue) {
            settings.idleSeconds = std::atof(argv[++i]);
        } else if (argument == "--drag-events" && hasValue) {
            settings.dragEvents = std::atoi(argv[++i]);
        } else if (argument == "--rounds" && hasValue) {
            settings.rounds = std::atoi(argv[++i]);
        } else if (argument.rfind("--", 0) != 0 && settings.earlierKonika.empty()) {
            settings.earlierKonika = argument;
        } else {
            throw std::runtime_error("unknown argument " + argument);
        }
    }
    if (settings.idleSeconds <= 0 || settings.dragEvents <= 0 || settings.rounds <= 0) {
        throw std::runtime_error("the seconds, events and rounds must be positive");
    }
    return settings;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Settings settings = parse(argc, argv);
        std::printf("%-16s %10s %10s %10s %15s %15s\n", "program", "konika", "X server", "cores",
                    "drag median", "drag 95th");
        std::printf("%-16s %10s %10s %10s\n", "", "idle CPU", "idle CPU", "together");
        for (int round = 0; round < settings.rounds; ++round) {
            const bool earlierFirst = round % 2 == 0;
            if (!settings.earlierKonika.empty() && earlierFirst) {
                print("earlier konika", measure(settings.earlierKonika, settings), settings);
            }
            print("konika", measure(KONIKA_PATH, settings), settings);
            if (!settings.earlierKonika.empty() && !earlierFirst) {
                print("earlier konika", measure(settings.earlierKonika, settings), settings);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "window_use_benchmark: %s\n", e.what());
        return 1;
    }
    return 0;
}
