// One frame of the viewer's display for the largest scene, the hyperbola (400 segments and 8
// lines), against a frame that only clears and swaps. Both are drawn in the same window,
// taking turns within each iteration, so that both meet the same machine. A frame counts
// until the renderer has finished it and the X server has taken the swapped picture.
#include "app/conic.h"
#include "exact/exact_conic.h"
#include "buffered_console.h"
#include "conic_inputs.h"
#include "scene/scene.h"
#include "viewer/draw.h"
#include "viewer/viewer.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

bool windowShown = false;

void onFirstReshape(int width, int height) {
    onReshape(width, height);
    windowShown = true;
}

void traceHyperbola() {
    BufferedConsole console(kHyperbola.typed);
    Conic conic;
    ExactConic typed;
    readConic(conic, typed);
    conic.reduceConic(typed);
}

// konika's window and camera on the traced scene, once the window is shown; the benchmark
// draws the frames itself.
void openWindow() {
    int argc = 1;
    char name[] = "frame_benchmark";
    char* argv[] = {name, nullptr};
    openViewer(&argc, argv);
    glutReshapeFunc(onFirstReshape);
    while (!windowShown) {
        glutMainLoopEvent();
    }
}

void clearAndSwap() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

double frameSeconds(void (*frame)()) {
    const auto start = Clock::now();
    frame();
    glFinish();
    XSync(glXGetCurrentDisplay(), False);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void hyperbolaFrame(benchmark::State& state) {
    double displaySeconds = 0.0;
    double clearSeconds = 0.0;
    for (auto _ : state) {
        const double seconds = frameSeconds(display);
        clearSeconds += frameSeconds(clearAndSwap);
        displaySeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double frames = double(state.iterations());
    state.counters["display_us"] = displaySeconds / frames * 1e6;
    state.counters["clear_swap_us"] = clearSeconds / frames * 1e6;
    state.counters["ratio"] = displaySeconds / clearSeconds;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    traceHyperbola();
    openWindow();
    benchmark::RegisterBenchmark("display_frame/hyperbola", hyperbolaFrame)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
