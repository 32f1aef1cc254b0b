#pragma once

#include <cstdint>

// Draws of a sheet's choices from its seed: splitmix64, in 64-bit integer arithmetic only, so
// that a seed gives the same sheet on every platform and in the page's build.
class SeededRandom {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();

    // A whole number from 0 to count - 1, every one equally likely; count > 0.
    int below(int count);

    // A whole number from least to most, both included.
    int between(int least, int most) { return least + below(most - least + 1); }

  private:
    std::uint64_t state_;
};
