#include "child_process.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A file rather than a pipe: the child may stop reading its input at any point.
std::FILE* temporaryFileWith(const std::string& text) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        throw std::runtime_error("no temporary file");
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
    std::rewind(file);
    return file;
}

void setEnvironment(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        if (entry.find('=') == std::string::npos) {
            unsetenv(entry.c_str());
        } else {
            putenv(const_cast<char*>(entry.c_str()));
        }
    }
}

// Runs in the child between fork and exec.
[[noreturn]] void execChild(const std::vector<std::string>& arguments,
                            const ChildProcess::Options& options, const std::string& directory,
                            std::FILE* input, std::FILE* output, std::FILE* errors) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(fileno(input), STDIN_FILENO);
    dup2(fileno(output), STDOUT_FILENO);
    dup2(fileno(errors), STDERR_FILENO);
    setEnvironment(options.environment);
    if (!directory.empty() && chdir(directory.c_str()) != 0) {
        _exit(126);
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

std::string contents(std::FILE* file) {
    std::string text;
    char buffer[4096];
    const int fd = fileno(file);
    for (off_t offset = 0;;) {
        const ssize_t n = pread(fd, buffer, sizeof buffer, offset);
        if (n <= 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const Options& options,
                           const std::string& directory) {
    std::FILE* input = temporaryFileWith(options.input);
    outputFile_ = temporaryFileWith("");
    errorFile_ = temporaryFileWith("");
    pid_ = fork();
    if (pid_ == 0) {
        execChild(arguments, options, directory, input, outputFile_, errorFile_);
    }
    std::fclose(input);
    if (pid_ < 0) {
        std::fclose(outputFile_);
        std::fclose(errorFile_);
        throw std::runtime_error("cannot start " + arguments.front());
    }
}

ChildProcess::~ChildProcess() {
    end();
    std::fclose(outputFile_);
    std::fclose(errorFile_);
}

bool ChildProcess::running() {
    if (!status_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = status;
        }
    }
    return !status_;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return status_;
}

std::string ChildProcess::output() const {
    return contents(outputFile_);
}

std::string ChildProcess::errors() const {
    return contents(errorFile_);
}

// A polite end first, so that a server can remove its lock and socket.
void ChildProcess::end() {
    if (!running()) {
        return;
    }
    kill(pid_, SIGTERM);
    if (!waitForExit(std::chrono::seconds(2))) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        status_ = status;
    }
}
