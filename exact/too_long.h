#pragma once

#include <stdexcept>

// Thrown where an exact computation would take numbers so long that it could not end at once
// (or a square root whose radicand cannot be split quickly); the exact solution is then not
// written, and nothing else of the run depends on it.
class NumbersTooLong : public std::runtime_error {
  public:
    NumbersTooLong() : std::runtime_error("the numbers are too long to be written exactly") {}
};
