#pragma once

#include <cstdint>
#include <vector>

// A signed integer of any size. Addition, subtraction and multiplication are exact; the
// invariants of a conic whose coefficients span the whole float range need several hundred bits.
class ExactInteger {
  public:
    ExactInteger() = default;
    explicit ExactInteger(long long value);

    friend ExactInteger operator+(const ExactInteger& a, const ExactInteger& b);
    friend ExactInteger operator-(const ExactInteger& a, const ExactInteger& b);
    friend ExactInteger operator*(const ExactInteger& a, const ExactInteger& b);
    ExactInteger operator-() const;

    // This number times 2^bits, bits >= 0.
    ExactInteger timesPowerOfTwo(int bits) const;

    // -1, 0 or +1.
    int sign() const;

    // The nearest long double, ties to the even mantissa.
    long double toLongDouble() const;

  private:
    using Limbs = std::vector<std::uint32_t>;

    ExactInteger(bool negative, Limbs magnitude);

    int bitLength() const;
    bool bit(int index) const;
    bool anyBitBelow(int index) const;

    bool negative = false; // never set for zero
    Limbs magnitude;       // least significant limb first, no zero limbs at the top
};
