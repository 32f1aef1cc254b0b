#pragma once

#include <string>

#include <sys/types.h>

// A program started with the given bytes on its standard input and its standard output on
// /dev/null. Ended (SIGTERM) and reaped when the object goes, if it still runs.
class StartedProgram {
  public:
    StartedProgram(const std::string& path, const std::string& input);
    ~StartedProgram();

    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // False once the program has ended; it is reaped then.
    bool running();

    // The most resident memory the program has used so far, in KiB (VmHWM).
    long peakMemoryKib() const;

    // Ends the program with SIGTERM and reaps it.
    void end();

  private:
    pid_t pid_ = -1;
};
