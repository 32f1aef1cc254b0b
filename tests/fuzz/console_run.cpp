#include "console_run.h"

#include "app/conic.h"
#include "document/latex_writer.h"
#include "document/text_writer.h"
#include "exact/exact_conic.h"
#include "scene/elements.h"
#include "scene/reduction_record.h"
#include "scene/scene.h"
#include "solution/solution.h"

#include <chrono>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

// scanf and printf go through the C library's stdin and stdout variables, so pointing them
// at a memory stream of the input and at a memory buffer runs the console path in-process.
class RedirectedConsole {
  public:
    explicit RedirectedConsole(std::string input) : input_(std::move(input)) {
        std::fflush(stdout);
        in_ = fmemopen(input_.data(), input_.size(), "r");
        out_ = open_memstream(&buffer_, &length_);
        if (in_ == nullptr || out_ == nullptr) {
            closeStreams();
            std::free(buffer_);
            throw std::runtime_error("cannot open the memory streams of the console");
        }
        savedIn_ = stdin;
        savedOut_ = stdout;
        stdin = in_;
        stdout = out_;
    }

    ~RedirectedConsole() {
        stdin = savedIn_;
        stdout = savedOut_;
        closeStreams();
        std::free(buffer_);
    }

    RedirectedConsole(const RedirectedConsole&) = delete;
    RedirectedConsole& operator=(const RedirectedConsole&) = delete;

    std::string output() {
        std::fflush(out_);
        return std::string(buffer_, length_);
    }

  private:
    void closeStreams() {
        if (in_ != nullptr) {
            std::fclose(in_);
        }
        if (out_ != nullptr) {
            std::fclose(out_);
        }
        in_ = nullptr;
        out_ = nullptr;
    }

    std::string input_;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
    FILE* savedIn_ = nullptr;
    FILE* savedOut_ = nullptr;
    char* buffer_ = nullptr;
    std::size_t length_ = 0;
};

} // namespace

ConsoleRun runConsole(const std::string& input) {
    clearScene();
    RedirectedConsole console(input);
    Conic conic;
    ExactConic typed;
    const bool read = readConic(conic, typed);
    ConsoleRun run;
    run.result = read ? conic.reduceConic(typed) : 1;
    run.transcript = console.output();
    if (read) {
        const auto start = std::chrono::steady_clock::now();
        const Document solution = exactSolution(typed);
        run.exactText = textOf(solution);
        run.exactLatex = latexOf(solution);
        run.exactMilliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    const ReductionRecord& r = reductionRecord;
    run.elements =
        elementsText(curveElements(r.canonical, r.kind, r.reflection, r.rotation, r.translation));
    return run;
}
