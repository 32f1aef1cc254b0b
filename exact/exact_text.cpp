#include "exact/exact_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

// Far more than any word of the reader's length gives a float: its digits and the float
// range together span less than 5,000 places.
constexpr long kLargestScale = 20000;

int digitValue(char c, int base) {
    const int value = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : std::isxdigit(static_cast<unsigned char>(c))
                          ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                          : base;
    return value < base ? value : -1;
}

// Reads the digits at `at` into `mantissa`; returns how many there were.
long readDigits(const std::string& text, std::size_t& at, int base, Integer& mantissa) {
    long count = 0;
    for (int d; at < text.size() && (d = digitValue(text[at], base)) >= 0; ++at, ++count) {
        mantissa = mantissa * base + d;
    }
    return count;
}

// A signed decimal exponent, saturated far beyond kLargestScale.
std::optional<long> readExponent(const std::string& text, std::size_t& at) {
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    long value = 0;
    const std::size_t start = at;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = std::min(10 * value + (text[at] - '0'), 10 * kLargestScale);
    }
    if (at == start) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<Rational> exactValueOf(const std::string& text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++at;
    }
    const bool hex = text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0;
    const int base = hex ? 16 : 10;
    at += hex ? 2 : 0;
    Integer mantissa = 0;
    long digits = readDigits(text, at, base, mantissa);
    long fractionDigits = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fractionDigits = readDigits(text, at, base, mantissa);
        digits += fractionDigits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    // The scale is a power of ten, or of two for hexadecimal digits (4 bits a digit).
    long scale = hex ? -4 * fractionDigits : -fractionDigits;
    const char marker = hex ? 'p' : 'e';
    if (at < text.size() && std::tolower(static_cast<unsigned char>(text[at])) == marker) {
        ++at;
        const std::optional<long> exponent = readExponent(text, at);
        if (!exponent) {
            return std::nullopt;
        }
        scale += *exponent;
    }
    if (at != text.size() || std::labs(scale) > (hex ? 4 : 1) * kLargestScale) {
        return std::nullopt;
    }
    const Integer power = pow(Integer(hex ? 2 : 10), static_cast<unsigned>(std::labs(scale)));
    Rational value = scale >= 0 ? Rational(mantissa * power) : Rational(mantissa, power);
    return negative ? Rational(-value) : value;
}
