#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    std::string output; // everything written to standard output
    std::string errors; // everything written to standard error
    bool timedOut = false;
    int waitStatus = 0; // as waitpid reports it; meaningless when timed out
};

// Runs argv[0] with the given arguments and no DISPLAY in its environment, feeds it the
// input and then end of input, and collects both output streams. A process still running
// after timeoutSeconds is killed by its process id.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& input,
                         int timeoutSeconds);
