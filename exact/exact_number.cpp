#include "exact/exact_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const int maxTypedDigits = 6;
const int floatMantissaBits = 24;

// stored = mantissa * 2^(exponent - 24), the mantissa an integer of at most 24 bits.
ExactNumber binaryValue(float stored) {
    int exponent = 0;
    const float fraction = std::frexp(stored, &exponent);
    const float mantissa = std::ldexp(fraction, floatMantissaBits);
    return {static_cast<long long>(mantissa), exponent - floatMantissaBits, 0};
}

// The decimal that printf wrote as "-d.dddde-xx", with count digits.
ExactNumber decimalWritten(const char* text, int count) {
    long long digits = 0;
    const char* next = text[0] == '-' ? text + 1 : text;
    for (; *next != 'e'; ++next) {
        if (*next != '.') {
            digits = 10 * digits + (*next - '0');
        }
    }
    const int exponent = static_cast<int>(std::strtol(next + 1, nullptr, 10)) - (count - 1);
    return {text[0] == '-' ? -digits : digits, exponent, exponent};
}

} // namespace

ExactNumber typedNumber(float stored) {
    // Of each length, the nearest decimal (printf rounds exactly) is the one that reads back if
    // any does: the float's reading interval holds the float, reaches at most half a gap either
    // way, and where it is lopsided (at a power of two) the gap is below a step of the sixth
    // digit, so that no farther decimal of six digits or fewer lies in it.
    for (int count = 1; count <= maxTypedDigits; ++count) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*e", count - 1, static_cast<double>(stored));
        if (std::strtof(text, nullptr) == stored) {
            return decimalWritten(text, count);
        }
    }
    return binaryValue(stored);
}
