#pragma once

#include <string>
#include <vector>

// One console session of konika: what is typed, and what must come back.
struct TranscriptCase {
    std::string name;
    // The arguments konika is given, in order.
    std::vector<std::string> arguments;
    std::string input;          // fed to standard input, then end of input
    std::string expectedOutput; // standard output, byte for byte
    bool restUnchecked = false; // only the beginning of the output is compared
    bool opensWindow = false;   // the reduction hands the curve over to the window
    std::string keys;           // pressed in the window, one character each, once it is drawn
};

// Reads the cases from a transcript file (its format is described at the top of the file).
// Throws std::runtime_error, naming the line, when the file cannot be read or parsed.
std::vector<TranscriptCase> readTranscripts(const std::string& path);
