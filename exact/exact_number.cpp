#include "exact/exact_number.h"

#include "exact/exact_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const int maxTypedDigits = 6;

} // namespace

Rational typedNumber(float stored) {
    // Of each length, the nearest decimal (printf rounds exactly) is the one that reads back if
    // any does: the float's reading interval holds the float, reaches at most half a gap either
    // way, and where it is lopsided (at a power of two) the gap is below a step of the sixth
    // digit, so that no farther decimal of six digits or fewer lies in it.
    char text[32];
    for (int count = 1; count <= maxTypedDigits; ++count) {
        std::snprintf(text, sizeof text, "%.*e", count - 1, static_cast<double>(stored));
        if (std::strtof(text, nullptr) == stored) {
            return *exactValueOf(text);
        }
    }
    // The float's binary value, written exactly in hexadecimal.
    std::snprintf(text, sizeof text, "%a", static_cast<double>(stored));
    return *exactValueOf(text);
}
