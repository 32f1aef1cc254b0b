#pragma once

#include "console_run.h"

#include <string>

// What every run of the console path must do, whatever its input. Each check returns "" when
// the property holds, otherwise what is wrong.

// Reads the scene the run left: the result is 0 or 1; nothing is traced with result 1; a
// traced scene is one curve in red (100, 200 or 400 segments, or one or two lines after the
// eight frame axes) and every coordinate in it is finite.
std::string checkScene(int result);

// Every line is one of the program's own: the six prompts, each asked again after a quoted
// word that is not a number, equation lines, the lines of the reduction steps, a closing
// message, the frame legends, with finite numbers in the program's formats. A reading that
// stops before six numbers (the end of the input, too many unreadable words) and numbers that
// overflow the floats (said right after the echo) end the run with result 1. The legends close
// the output exactly when a curve was traced (traced), the first of them after the semi-axes when
// it was an ellipse.
std::string checkTranscript(const std::string& transcript, int result, bool traced, bool ellipse);

// The exact solution of a run that read six numbers: a document of the program's title, in
// plain ASCII, and its LaTeX a whole file; within a second even under the sanitizers (a
// coarse guard: its budget is 50 ms in a plain build, see the benchmarks).
std::string checkExactSolution(const ConsoleRun& run);

// All checks on a run whose scene is still in place.
std::string checkConsoleRun(const ConsoleRun& run);
