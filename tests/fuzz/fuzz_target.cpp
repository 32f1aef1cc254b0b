// libFuzzer target: any bytes as standard input to the whole console path (reading, reduction,
// tracing into the scene), then the exact solution and the elements that g shows. Besides
// crashes, undefined behaviour and hangs, which the sanitizers and libFuzzer report, a run that
// breaks a property of console_check.h aborts.
#include "console_check.h"
#include "console_run.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ConsoleRun run = runConsole(std::string(reinterpret_cast<const char*>(data), size));
    const std::string problem = checkConsoleRun(run);
    if (!problem.empty()) {
        std::fprintf(stderr, "konika_fuzz: %s\n--- transcript ---\n%s\n--- end ---\n",
                     problem.c_str(), run.transcript.c_str());
        std::abort();
    }
    return 0;
}
