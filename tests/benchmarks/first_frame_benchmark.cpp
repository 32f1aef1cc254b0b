// Time from the start of a process to its first frame on the screen, and the peak memory it
// has used by then: konika on the ellipse against the bare GLUT program that opens the same
// window and only clears it. Each iteration starts one of each, in alternating order, on the
// same display. The first frame is seen from outside, by polling the X server every 2 ms: the
// window viewable and the background in its four corners.
#include "child_process.h"
#include "conic_inputs.h"
#include "window_watch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(2);

// The most resident memory the process has used so far, in KiB.
long peakMemoryKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

struct Launch {
    double seconds;
    long peakMemoryKib;
};

// The program is ended once its first frame is shown, and its window gone before the
// next program starts, so that the watch never sees a window of an earlier one.
Launch launchToFirstFrame(WindowWatch& watch, const std::string& path, const std::string& input) {
    const auto start = Clock::now();
    ChildProcess program({path}, {{}, input});
    while (!watch.firstFrameShown()) {
        if (!program.running()) {
            throw std::runtime_error(path + " ended before its first frame");
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long peak = peakMemoryKib(program.pid());
    program.end();
    while (watch.windowExists()) {
        std::this_thread::sleep_for(kPollInterval);
    }
    return {seconds, peak};
}

struct LaunchPair {
    Launch konika;
    Launch bare;
};

// Which program goes first alternates, so that neither always meets a warmer file cache.
LaunchPair launchPair(WindowWatch& watch, const std::string& konika, bool konikaFirst) {
    LaunchPair pair{};
    if (konikaFirst) {
        pair.konika = launchToFirstFrame(watch, konika, kEllipse.typed);
        pair.bare = launchToFirstFrame(watch, BARE_WINDOW_PATH, "");
    } else {
        pair.bare = launchToFirstFrame(watch, BARE_WINDOW_PATH, "");
        pair.konika = launchToFirstFrame(watch, konika, kEllipse.typed);
    }
    return pair;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Medians: a launch now and then meets a busy machine. The ratio is the median of each
// iteration's own ratio, as the two launches of an iteration meet the same load.
void firstFrame(benchmark::State& state, const std::string& konika) {
    WindowWatch watch;
    std::vector<double> konikaSeconds;
    std::vector<double> bareSeconds;
    std::vector<double> ratios;
    long konikaPeak = 0;
    long barePeak = 0;
    for (auto _ : state) {
        LaunchPair pair;
        try {
            pair = launchPair(watch, konika, ratios.size() % 2 == 0);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
        state.SetIterationTime(pair.konika.seconds);
        konikaSeconds.push_back(pair.konika.seconds);
        bareSeconds.push_back(pair.bare.seconds);
        ratios.push_back(pair.konika.seconds / pair.bare.seconds);
        konikaPeak = std::max(konikaPeak, pair.konika.peakMemoryKib);
        barePeak = std::max(barePeak, pair.bare.peakMemoryKib);
    }
    state.counters["konika_ms"] = median(konikaSeconds) * 1e3;
    state.counters["bare_ms"] = median(bareSeconds) * 1e3;
    state.counters["ratio"] = median(ratios);
    state.counters["konika_peak_MiB"] = double(konikaPeak) / 1024;
    state.counters["bare_peak_MiB"] = double(barePeak) / 1024;
}

} // namespace

// An optional argument names an earlier build of konika, measured the same way after this one.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        benchmark::ReportUnrecognizedArguments(argc, argv);
        return 1;
    }
    benchmark::RegisterBenchmark("first_frame/ellipse", firstFrame, std::string(KONIKA_PATH))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    if (argc == 2) {
        benchmark::RegisterBenchmark("first_frame/ellipse_earlier_konika", firstFrame,
                                     std::string(argv[1]))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
