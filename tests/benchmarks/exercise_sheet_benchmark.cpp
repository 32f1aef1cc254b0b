// A sheet of 30 exercises with their key: the generator alone, then the whole sheet written as
// text, LaTeX and HTML with MathML. A new seed each iteration, so the sheets differ.
#include "document/latex_writer.h"
#include "document/mathml_writer.h"
#include "document/text_writer.h"
#include "exercises/exercise_sheet.h"

#include <benchmark/benchmark.h>

namespace {

SheetRequest request(benchmark::State& state, std::uint64_t seed) {
    return {30, ExerciseKind::Any, static_cast<int>(state.range(0)), seed};
}

void exercisesAlone(benchmark::State& state) {
    std::uint64_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(exerciseSheet(request(state, seed++)));
    }
}

template <std::string (*write)(const Document&)> void wholeSheet(benchmark::State& state) {
    std::uint64_t seed = 0;
    for (auto _ : state) {
        const SheetRequest r = request(state, seed++);
        benchmark::DoNotOptimize(write(sheetDocument(r, exerciseSheet(r))));
    }
}

// The level: 0 any, 1, 2 or 3.
BENCHMARK(exercisesAlone)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(wholeSheet, textOf)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(wholeSheet, latexOf)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(wholeSheet, htmlOf)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
