#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// A program started for a test. It is ended by its process id when this object goes away,
// and the kernel ends it should the test process die first. It inherits every descriptor
// not marked close-on-exec.
class ChildProcess {
  public:
    struct Options {
        std::vector<std::string> environment; // NAME=value entries added to ours; a bare NAME
                                              // removes that variable
        std::string input;                    // its whole standard input
    };

    // It runs in directory, or in ours when that is empty.
    ChildProcess(const std::vector<std::string>& arguments, const Options& options,
                 const std::string& directory = "");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();

    // The wait status once it has ended within timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    // Ends it (SIGTERM, then SIGKILL after 2 s) and reaps it, if it still runs.
    void end();

    // What it wrote on standard output and on standard error so far.
    std::string output() const;
    std::string errors() const;

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::FILE* outputFile_ = nullptr;
    std::FILE* errorFile_ = nullptr;
};
