#pragma once

// The program's own options, --help (-h) and --version. When one of them is on the command
// line, prints its answer on standard output and returns true (a failed write is reported at
// exit, as for every other output); otherwise returns false and leaves every argument to GLUT.
bool answerCommandLine(int argc, char** argv);
