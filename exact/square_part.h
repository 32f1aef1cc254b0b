#pragma once

#include "exact/rational.h"

// n = outside^2 * inside, with inside square-free: sqrt(n) = outside * sqrt(inside).
struct SquarePart {
    Integer outside;
    Integer inside;
};

// For n > 0. Throws NumbersTooLong where n is too long, or keeps a factor that small primes
// and a primality test cannot settle.
SquarePart squarePart(const Integer& n);
