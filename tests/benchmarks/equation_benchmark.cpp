// Reading an equation: one as exercises print it, one of the longest a reader takes (4096
// characters), and hostile ones that make the reader work hardest within its bounds: the
// most expansions of a cube, cubes with long decimals, numbers grown by powers to the longest
// kept and of the most digits, fractions that do not cancel, nesting and signs as deep as
// allowed, and a refusal that comes at the very end.
#include "equation/equation_reader.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Repeats the piece, joined by the separator, as often as the text stays within length.
std::string repeated(const std::string& piece, const std::string& separator, std::size_t length) {
    std::string text = piece;
    while (text.size() + separator.size() + piece.size() <= length) {
        text += separator + piece;
    }
    return text;
}

// x^2/1009 + x^2/1013 + ...: a sum of fractions over the primes from 1009 up, as many as fit.
std::string fractionsOverPrimes(std::size_t length) {
    std::string text = "x^2";
    for (int n = 1009;; n += 2) {
        bool prime = true;
        for (int d = 3; d * d <= n && prime; d += 2) {
            prime = n % d != 0;
        }
        const std::string term = " + 1/" + std::to_string(n);
        if (prime && text.size() + term.size() > length) {
            return text;
        }
        if (prime) {
            text += term;
        }
    }
}

struct Input {
    const char* name;
    std::string text;
};

std::vector<Input> inputs() {
    const std::string cube = "(x + y + 1)";
    const std::string longDecimals = "(1.2345678901234567x - 9.8765432109876543y + 1.3579246801)";
    // 10^243, grown from 24 characters; no product of two is kept.
    const std::string tower = "(((((10^3)^3)^3)^3)^3)";
    return {
        {"exercise", "5x^2 + 4xy + 8y^2 - 32x - 56y + 80 = 0"},
        {"longest_4096", repeated("5x^2 + 4xy + 8y^2 - 32x - 56y + 80", " + ", 4092) + " = 0"},
        {"most_cubes", repeated(cube + "^3 - " + cube + "^3", " + ", 4080) + " + x^2 = 1"},
        {"cubes_of_long_decimals",
         repeated(longDecimals + "^3 - " + longDecimals + "^3", " + ", 4080) + " + x^2 = 1"},
        {"grown_numbers", repeated(tower + "x^2", " - ", 4092) + " = 1"},
        {"numbers_of_300_digits", repeated(std::string(300, '9') + "x^2", " - ", 4080) + " = y"},
        {"fractions_that_do_not_cancel", fractionsOverPrimes(4090) + " = y"},
        {"deepest_nesting",
         repeated(std::string(100, '(') + "x" + std::string(100, ')'), " + ", 4080) + "^2 = y"},
        {"signs", std::string(4080, '-') + "x^2 = y"},
        {"refused_at_the_end", repeated("x^2 + y^2", " + ", 4080) + " = z"},
        {"refused_exponent", "(x + 1)^999999999 = 0"},
    };
}

void readOne(benchmark::State& state, const std::string& text) {
    bool accepted = false;
    for (auto _ : state) {
        accepted = readEquation(text).accepted;
        benchmark::DoNotOptimize(accepted);
    }
    state.counters["characters"] = double(text.size());
    state.counters["accepted"] = accepted ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    for (const Input& input : inputs()) {
        benchmark::RegisterBenchmark((std::string("read_equation/") + input.name).c_str(), readOne,
                                     input.text)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
