#pragma once

#include "app/conic.h"

#include <random>

// Conics with random float coefficients, from a fixed seed. The draws mix small integers
// (where the degenerate kinds are frequent), decimals over a few orders of magnitude, over
// many and over the whole float range (where the float steps overflow and underflow), and
// parabolic quadratic parts (a12^2 = a11 a22 exactly) with decimal linear terms.
class RandomConics {
  public:
    Conic next();

  private:
    float smallInteger();
    float decimal(int lowestPower, int highestPower);
    Conic parabolicPart();

    std::mt19937_64 engine_{0x6b6f6e696b61ull};
};
