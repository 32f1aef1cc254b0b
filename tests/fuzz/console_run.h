#pragma once

#include <string>

// One run of the console path on the given bytes as standard input: the scene is emptied,
// the six coefficients are read, and the conic is reduced and its curve traced into the
// scene, which then holds what the run traced until the next run.
struct ConsoleRun {
    int result;
    std::string transcript; // everything written to standard output
};

ConsoleRun runConsole(const std::string& input);
