#pragma once

#include "exercises/exercise_generator.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks of konika. Its own options are taken out wherever they stand;
// every other argument is left to GLUT, in order.
struct CommandLine {
    enum class Answer { None, Help, Version };
    Answer answer = Answer::None; // --help (-h) or --version, the first one given
    bool exactSolution = false;   // --tacno (-t): the exact solution after the transcript
    bool latexSolution = false;   // --latex: the exact solution as LaTeX
    // --zadaci N (with --vrsta, --nivo and --seme): a sheet of exercises with their key instead
    // of the prompts; the seed is drawn when none is given.
    std::optional<SheetRequest> sheet;
    std::string refusal; // one line when an option cannot be taken
    // The program's name and GLUT's arguments, ended by a null pointer as argv is.
    std::vector<char*> glutArguments;

    int glutArgumentCount() const { return static_cast<int>(glutArguments.size()) - 1; }
};

CommandLine readCommandLine(int argc, char** argv);

// When --help, --version or --zadaci was given, prints its answer on standard output, or when
// an option was refused, the reason on standard error, and returns the exit status (a failed
// write is reported at exit, as for every other output).
std::optional<int> answerCommandLine(const CommandLine& commandLine);
