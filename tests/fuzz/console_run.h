#pragma once

#include <string>

// One run of the console path on the given bytes as standard input: the scene is emptied,
// the six coefficients are read, and the conic is reduced and its curve traced into the
// scene, which then holds what the run traced until the next run. Then what the options and
// keys add: the exact solution, as text and as LaTeX, and the elements that g shows.
struct ConsoleRun {
    int result = 1;
    std::string transcript; // everything written to standard output
    std::string exactText;  // empty when the six numbers were not read
    std::string exactLatex;
    double exactMilliseconds = 0; // the time the exact solution took
    std::string elements;         // the text of g, empty when nothing was recorded
};

ConsoleRun runConsole(const std::string& input);
