// libFuzzer target: any bytes as an equation for the reader. Besides crashes, undefined
// behaviour and hangs, which the sanitizers and libFuzzer report, a reading that breaks a
// property of equation_check.h aborts.
#include "equation_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string problem = checkEquationReading(text);
    if (!problem.empty()) {
        std::fprintf(stderr, "equation_fuzz: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
