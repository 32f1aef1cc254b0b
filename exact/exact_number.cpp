#include "exact/exact_number.h"

#include <charconv>
#include <cmath>
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

} // namespace

ExactNumber typedNumber(float stored) {
    // The shortest scientific form that reads back as the same float, the nearest to it among
    // equally short ones: "-d.dddde-xx".
    char text[32];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text - 1, stored, std::chars_format::scientific);
    *written.ptr = '\0';

    long long digits = 0;
    int count = 0;
    const char* next = text[0] == '-' ? text + 1 : text;
    for (; *next != 'e'; ++next) {
        if (*next != '.') {
            digits = 10 * digits + (*next - '0');
            ++count;
        }
    }
    if (count > maxTypedDigits) {
        return binaryValue(stored);
    }
    const int exponent = static_cast<int>(std::strtol(next + 1, nullptr, 10)) - (count - 1);
    return {text[0] == '-' ? -digits : digits, exponent, exponent};
}
