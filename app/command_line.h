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
    // --jednacina TEXT (-j TEXT, --jednacina=TEXT): the equation instead of the six prompts.
    std::optional<std::string> equation;
    bool equationMissing = false; // -j or --jednacina was the last argument
    // The program's name and GLUT's arguments, ended by a null pointer as argv is.
    std::vector<char*> glutArguments;

    int glutArgumentCount() const { return static_cast<int>(glutArguments.size()) - 1; }
};

CommandLine readCommandLine(int argc, char** argv);

// Whether GLUT can be given a display: DISPLAY is set, or the -display option names one.
bool displayGiven(const CommandLine& commandLine);

// When --help, --version or --zadaci was given, prints its answer on standard output, or when
// an option was refused, the reason on standard error, and returns the exit status (a failed
// write is reported at exit, as for every other output).
std::optional<int> answerCommandLine(const CommandLine& commandLine);
