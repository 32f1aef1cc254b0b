#include "started_program.h"

#include <fstream>
#include <stdexcept>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The input is small, so it fits in the pipe before the program reads it. Neither end is
// inherited by the program beyond its standard input.
int pipeHolding(const std::string& input) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe for the program's input");
    }
    const bool written = write(ends[1], input.data(), input.size()) == ssize_t(input.size());
    close(ends[1]);
    if (!written) {
        close(ends[0]);
        throw std::runtime_error("cannot write the program's input");
    }
    return ends[0];
}

} // namespace

StartedProgram::StartedProgram(const std::string& path, const std::string& input) {
    const int inputEnd = pipeHolding(input);
    pid_ = fork();
    if (pid_ == 0) {
        const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
        dup2(inputEnd, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(inputEnd);
    if (pid_ < 0) {
        throw std::runtime_error("cannot start " + path);
    }
}

StartedProgram::~StartedProgram() {
    end();
}

bool StartedProgram::running() {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
    }
    return pid_ > 0;
}

long StartedProgram::peakMemoryKib() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
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

void StartedProgram::end() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}
