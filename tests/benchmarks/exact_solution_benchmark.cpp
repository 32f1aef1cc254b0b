// The exact solution over the oracle corpus, by kind: the time from the exact record to its
// text (the document and its writing), median and slowest of each kind; then the inputs that
// make it work hardest: the longest coefficients it still writes, and words of 4096 digits.
#include "document/text_writer.h"
#include "exact/exact_text.h"
#include "solution/solution.h"
#include "tests/corpus/corpus.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

double millisecondsToSolve(const ExactConic& conic, std::string& text) {
    const auto start = std::chrono::steady_clock::now();
    text = textOf(exactSolution(conic));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

ExactConic exactConic(const Milli& typed) {
    const auto r = [&](int i, int halves) { return Rational(typed[i], 1000 * halves); };
    return {r(0, 1), r(1, 2), r(2, 1), r(3, 2), r(4, 2), r(5, 1)};
}

// A number of the given digits, all 7s: 0.777...7 times ten to the exponent.
Rational digits(int count, int exponent, int sign) {
    const std::string text =
        (sign < 0 ? "-0." : "0.") + std::string(count, '7') + "e" + std::to_string(exponent);
    return *exactValueOf(text);
}

} // namespace

int main() {
    std::map<std::string, std::vector<double>> byKind;
    int tooLong = 0;
    for (const CorpusCase& c : buildCorpus()) {
        std::string text;
        const double ms = millisecondsToSolve(exactConic(c.typed), text);
        byKind[conicTypeName(c.type)].push_back(ms);
        tooLong += text.find("predugi") != std::string::npos;
    }
    std::printf("%-22s %7s %12s %12s\n", "kind", "cases", "median ms", "slowest ms");
    for (auto& [kind, times] : byKind) {
        std::sort(times.begin(), times.end());
        std::printf("%-22s %7zu %12.3f %12.3f\n", kind.c_str(), times.size(),
                    times[times.size() / 2], times.back());
    }
    std::printf("too long to be written exactly: %d\n", tooLong);

    // A turned, moved ellipse with coefficients of more and more digits.
    for (const int count : {6, 12, 24, 48, 96, 4096}) {
        const ExactConic conic{digits(count, 1, 1),  digits(count, 0, 1), digits(count, 1, 1),
                               digits(count, 1, -1), digits(count, 1, 1), digits(count, 1, -1)};
        std::string text;
        const double ms = millisecondsToSolve(conic, text);
        std::printf("coefficients of %4d digits: %8.3f ms, %s\n", count, ms,
                    text.find("predugi") != std::string::npos ? "too long" : "written");
    }
    return 0;
}
