#pragma once

// Makes sure that a transcript lost on its way out (a full disk, a closed standard output) is
// not taken for success: however the process ends, returning from main or closed inside the
// window's event loop, standard output is flushed at exit, and if anything written to it was
// lost, a line on standard error says so and the exit status is 1. Call it first in main.
void checkStandardOutputAtExit();
