#include "child_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    return Pipe{fds[0], fds[1]};
}

[[noreturn]] void execChild(const std::vector<std::string>& argv, const Pipe& in, const Pipe& out,
                            const Pipe& err) {
    dup2(in.read, STDIN_FILENO);
    dup2(out.write, STDOUT_FILENO);
    dup2(err.write, STDERR_FILENO);
    // Without a display the window cannot open, so a run that reaches it ends there.
    unsetenv("DISPLAY");
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void closeFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

// Writes as much of the rest of the input as the pipe takes; closes the pipe when all of it
// is written or the child has stopped reading (the rest of the input is then moot).
void feedInput(int& inFd, const std::string& input, size_t& written) {
    const ssize_t n = write(inFd, input.data() + written, input.size() - written);
    if (n > 0) {
        written += static_cast<size_t>(n);
    }
    if ((n < 0 && errno != EAGAIN) || written == input.size()) {
        closeFd(inFd);
    }
}

// Appends what the pipe holds to the sink; closes the pipe at its end.
void drainOutput(int& fd, std::string& sink) {
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
        sink.append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || errno != EAGAIN) {
        closeFd(fd);
    }
}

// Moves the input into the child and both of its outputs out of it until the outputs close
// or the deadline passes. Returns false on timeout.
bool exchange(int inFd, int outFd, int errFd, const std::string& input, ProcessResult& result,
              Clock::time_point deadline) {
    size_t written = 0;
    if (input.empty()) {
        closeFd(inFd);
    }
    while (outFd >= 0 || errFd >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            closeFd(inFd);
            closeFd(outFd);
            closeFd(errFd);
            return false;
        }
        pollfd fds[3] = {{inFd, POLLOUT, 0}, {outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (poll(fds, 3, static_cast<int>(left.count())) < 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            feedInput(inFd, input, written);
        }
        if (fds[1].revents != 0) {
            drainOutput(outFd, result.output);
        }
        if (fds[2].revents != 0) {
            drainOutput(errFd, result.errors);
        }
    }
    closeFd(inFd);
    return true;
}

// Waits for the child to end; kills it by its id once the deadline has passed.
bool reap(pid_t pid, int& status, Clock::time_point deadline) {
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return false;
        }
        usleep(1000);
    }
    return true;
}

} // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& input,
                         int timeoutSeconds) {
    // A child that exits before reading all of its input must not take the test down with it.
    std::signal(SIGPIPE, SIG_IGN);
    Pipe in = makePipe();
    Pipe out = makePipe();
    Pipe err = makePipe();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        execChild(argv, in, out, err);
    }
    closeFd(in.read);
    closeFd(out.write);
    closeFd(err.write);
    fcntl(in.write, F_SETFL, O_NONBLOCK);

    ProcessResult result;
    const bool finished = exchange(in.write, out.read, err.read, input, result, deadline);
    const bool ended = reap(pid, result.waitStatus, finished ? deadline : Clock::now());
    result.timedOut = !finished || !ended;
    return result;
}
