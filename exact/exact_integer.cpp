#include "exact/exact_integer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using Limbs = std::vector<std::uint32_t>;
const int limbBits = 32;

int compareMagnitudes(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

Limbs addMagnitudes(const Limbs& a, const Limbs& b) {
    const Limbs& longer = a.size() >= b.size() ? a : b;
    const Limbs& shorter = a.size() >= b.size() ? b : a;
    Limbs sum(longer.size() + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < longer.size(); ++i) {
        carry += longer[i];
        if (i < shorter.size()) {
            carry += shorter[i];
        }
        sum[i] = static_cast<std::uint32_t>(carry);
        carry >>= limbBits;
    }
    sum[longer.size()] = static_cast<std::uint32_t>(carry);
    return sum;
}

// Needs a >= b.
Limbs subtractMagnitudes(const Limbs& a, const Limbs& b) {
    Limbs difference(a.size(), 0);
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t limb = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
        borrow = limb < 0 ? 1 : 0;
        difference[i] = static_cast<std::uint32_t>(limb + (borrow << limbBits));
    }
    return difference;
}

Limbs multiplyMagnitudes(const Limbs& a, const Limbs& b) {
    Limbs product(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        // At most (2^32 - 1)^2 + 2 * (2^32 - 1) = 2^64 - 1: never overflows.
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            carry += std::uint64_t{a[i]} * b[j] + product[i + j];
            product[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= limbBits;
        }
        product[i + b.size()] = static_cast<std::uint32_t>(carry);
    }
    return product;
}

} // namespace

ExactInteger::ExactInteger(long long value) {
    // Negated in unsigned arithmetic, which also holds the magnitude of the most negative value.
    std::uint64_t absolute = static_cast<std::uint64_t>(value);
    if (value < 0) {
        absolute = 0 - absolute;
    }
    *this = ExactInteger(value < 0, Limbs{static_cast<std::uint32_t>(absolute),
                                          static_cast<std::uint32_t>(absolute >> limbBits)});
}

ExactInteger::ExactInteger(bool negative, Limbs magnitude) : magnitude(std::move(magnitude)) {
    while (!this->magnitude.empty() && this->magnitude.back() == 0) {
        this->magnitude.pop_back();
    }
    this->negative = negative && !this->magnitude.empty();
}

ExactInteger operator+(const ExactInteger& a, const ExactInteger& b) {
    if (a.negative == b.negative) {
        return ExactInteger(a.negative, addMagnitudes(a.magnitude, b.magnitude));
    }
    if (compareMagnitudes(a.magnitude, b.magnitude) >= 0) {
        return ExactInteger(a.negative, subtractMagnitudes(a.magnitude, b.magnitude));
    }
    return ExactInteger(b.negative, subtractMagnitudes(b.magnitude, a.magnitude));
}

ExactInteger operator-(const ExactInteger& a, const ExactInteger& b) {
    return a + -b;
}

ExactInteger operator*(const ExactInteger& a, const ExactInteger& b) {
    return ExactInteger(a.negative != b.negative, multiplyMagnitudes(a.magnitude, b.magnitude));
}

ExactInteger ExactInteger::operator-() const {
    return ExactInteger(!negative, magnitude);
}

ExactInteger ExactInteger::timesPowerOfTwo(int bits) const {
    const int wholeLimbs = bits / limbBits;
    const int shift = bits % limbBits;
    Limbs shifted(magnitude.size() + wholeLimbs + 1, 0);
    for (std::size_t i = 0; i < magnitude.size(); ++i) {
        const std::uint64_t limb = std::uint64_t{magnitude[i]} << shift;
        shifted[i + wholeLimbs] |= static_cast<std::uint32_t>(limb);
        shifted[i + wholeLimbs + 1] = static_cast<std::uint32_t>(limb >> limbBits);
    }
    return ExactInteger(negative, std::move(shifted));
}

int ExactInteger::sign() const {
    if (magnitude.empty()) {
        return 0;
    }
    return negative ? -1 : 1;
}

long double ExactInteger::toLongDouble() const {
    // The top bits that fit the mantissa are exact in a long double; the dropped bits round it.
    const int length = bitLength();
    const int dropped = std::max(0, length - std::numeric_limits<long double>::digits);
    long double mantissa = 0.0L;
    for (int i = length - 1; i >= dropped; --i) {
        mantissa = 2.0L * mantissa + (bit(i) ? 1.0L : 0.0L);
    }
    if (dropped > 0 && bit(dropped - 1) && (anyBitBelow(dropped - 1) || bit(dropped))) {
        mantissa += 1.0L;
    }
    return std::ldexp(negative ? -mantissa : mantissa, dropped);
}

int ExactInteger::bitLength() const {
    if (magnitude.empty()) {
        return 0;
    }
    int length = static_cast<int>(magnitude.size() - 1) * limbBits;
    for (std::uint32_t top = magnitude.back(); top != 0; top >>= 1) {
        ++length;
    }
    return length;
}

bool ExactInteger::bit(int index) const {
    return (magnitude[index / limbBits] >> (index % limbBits)) & 1u;
}

bool ExactInteger::anyBitBelow(int index) const {
    for (int i = 0; i < index / limbBits; ++i) {
        if (magnitude[i] != 0) {
            return true;
        }
    }
    const std::uint32_t lowMask = (std::uint32_t{1} << (index % limbBits)) - 1;
    return (magnitude[index / limbBits] & lowMask) != 0;
}
