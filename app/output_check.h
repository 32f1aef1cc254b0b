#pragma once

#include <cstdio>

// Makes sure that a transcript lost on its way out (a full disk, a closed standard output) is
// not taken for success: however the process ends, returning from main or closed inside the
// window's event loop, standard output is flushed at exit, and if anything written to it was
// lost, a line on standard error says so and the exit status is 1. Call it first in main.
void checkStandardOutputAtExit();

// For a document that must reach standard output alone (a LaTeX file): what the console shows,
// the prompts and the worked exercise, goes to standard error from now on, and the returned
// stream is standard output as it was. Its loss is reported at exit like the transcript's.
// Call it after checkStandardOutputAtExit.
std::FILE* standardOutputForDocument();
