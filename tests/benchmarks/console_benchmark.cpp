// The console path of one run, in-process: reading the six numbers from a buffer, the
// reduction with its printed steps (to /dev/null) and the tracing into the scene, for each
// example. Every iteration starts from an empty scene.
#include "app/conic.h"
#include "exact/exact_conic.h"
#include "buffered_console.h"
#include "conic_inputs.h"
#include "scene/scene.h"

#include <benchmark/benchmark.h>

#include <string>

static void consolePath(benchmark::State& state, const char* typed) {
    BufferedConsole console(typed);
    for (auto _ : state) {
        console.rewind();
        clearScene();
        Conic conic;
        ExactConic typed;
        readConic(conic, typed);
        benchmark::DoNotOptimize(conic.reduceConic(typed));
    }
    // What one run leaves in the scene, to tell the examples apart in the report.
    state.counters["segments"] = double(sceneSegments.size());
    state.counters["lines"] = double(sceneLines.size());
}

int main(int argc, char** argv) {
    for (const ConicInput& input : kConicInputs) {
        benchmark::RegisterBenchmark((std::string("console_path/") + input.name).c_str(),
                                     consolePath, input.typed)
            ->Unit(benchmark::kNanosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
