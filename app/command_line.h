#pragma once

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

// When --help or --version was given, prints its answer on standard output and returns true
// (a failed write is reported at exit, as for every other output).
bool answerCommandLine(const CommandLine& commandLine);
