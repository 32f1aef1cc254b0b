#include "buffered_console.h"

#include <stdexcept>
#include <utility>

BufferedConsole::BufferedConsole(std::string input) : input_(std::move(input)) {
    in_ = fmemopen(input_.data(), input_.size(), "r");
    out_ = std::fopen("/dev/null", "w");
    if (in_ == nullptr || out_ == nullptr) {
        if (in_ != nullptr) {
            std::fclose(in_);
        }
        if (out_ != nullptr) {
            std::fclose(out_);
        }
        throw std::runtime_error("cannot open the console's buffer or /dev/null");
    }
    std::fflush(stdout);
    savedIn_ = stdin;
    savedOut_ = stdout;
    stdin = in_;
    stdout = out_;
}

BufferedConsole::~BufferedConsole() {
    stdin = savedIn_;
    stdout = savedOut_;
    std::fclose(in_);
    std::fclose(out_);
}

void BufferedConsole::rewind() {
    std::rewind(in_);
}
