#pragma once

#include <optional>

// The program's own options, --help (-h) and --version. When one of them is on the command
// line, prints its answer on standard output and returns the exit status; otherwise returns
// nothing and leaves every argument to GLUT.
std::optional<int> answerCommandLine(int argc, char** argv);
