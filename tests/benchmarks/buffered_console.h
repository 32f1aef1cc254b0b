#pragma once

#include <cstdio>
#include <string>

// Points the C library's stdin at a memory buffer holding the input and its stdout at
// /dev/null for the object's lifetime, so that the console path runs in-process. scanf and
// printf go through these two variables.
class BufferedConsole {
  public:
    explicit BufferedConsole(std::string input);
    ~BufferedConsole();

    BufferedConsole(const BufferedConsole&) = delete;
    BufferedConsole& operator=(const BufferedConsole&) = delete;

    // Reads the input again from its start.
    void rewind();

  private:
    std::string input_;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
    FILE* savedIn_ = nullptr;
    FILE* savedOut_ = nullptr;
};
