#include "exact/rational.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kFloatDigits = std::numeric_limits<float>::digits; // 24
constexpr int kLeastFloatExponent = -149;                        // of the smallest subnormal

int bitLength(const Integer& magnitude) {
    return magnitude == 0 ? 0 : static_cast<int>(boost::multiprecision::msb(magnitude)) + 1;
}

// The top bits of the magnitude that a long double holds, and the power of two they stand at.
long double leadingValue(const Integer& magnitude, int& exponent) {
    constexpr int kKept = std::numeric_limits<long double>::digits;
    exponent = std::max(0, bitLength(magnitude) - kKept);
    return static_cast<long double>(Integer(magnitude >> exponent));
}

} // namespace

float nearestFloat(const Rational& value) {
    if (value == 0) {
        return 0.0f;
    }
    const Integer n = abs(boost::multiprecision::numerator(value));
    const Integer d = boost::multiprecision::denominator(value);
    // value = q * 2^e + rest, with q of 24 bits (fewer where the value is subnormal).
    int e = std::max(bitLength(n) - bitLength(d) - kFloatDigits, kLeastFloatExponent);
    Integer q;
    Integer r;
    Integer divisor;
    for (;;) {
        const Integer scaled = e >= 0 ? n : Integer(n << -e);
        divisor = e >= 0 ? Integer(d << e) : d;
        divide_qr(scaled, divisor, q, r);
        if (bitLength(q) <= kFloatDigits) {
            break;
        }
        ++e;
    }
    const int half = Integer(2 * r).compare(divisor);
    if (half > 0 || (half == 0 && bit_test(q, 0))) {
        ++q;
    }
    const float magnitude = std::ldexp(static_cast<float>(q), e);
    return value.sign() < 0 ? -magnitude : magnitude;
}

long double quotientValue(const Integer& numerator, const Integer& denominator) {
    int numeratorExponent = 0;
    int denominatorExponent = 0;
    const long double top = leadingValue(abs(numerator), numeratorExponent);
    const long double bottom = leadingValue(denominator, denominatorExponent);
    const long double magnitude = std::ldexp(top / bottom, numeratorExponent - denominatorExponent);
    return numerator < 0 ? -magnitude : magnitude;
}
