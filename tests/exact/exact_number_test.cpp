#include "exact/exact_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

Rational powerOfTen(int exponent) {
    const Integer power = boost::multiprecision::pow(Integer(10), std::abs(exponent));
    return exponent >= 0 ? Rational(power) : Rational(Integer(1), power);
}

void expectDecimal(float stored, long long digits, int exponent) {
    EXPECT_EQ(typedNumber(stored), Rational(digits) * powerOfTen(exponent))
        << stored << ": " << typedNumber(stored);
}

// The long double's own binary value: a 64-bit mantissa times a power of two.
void expectBinary(float stored, long double value) {
    int exponent = 0;
    const long double fraction = std::frexp(value, &exponent);
    const Integer mantissa(static_cast<long long>(std::ldexp(fraction, 62)));
    const int shift = exponent - 62;
    const Integer power = Integer(1) << std::abs(shift);
    EXPECT_EQ(typedNumber(stored), shift >= 0 ? Rational(mantissa * power)
                                              : Rational(mantissa, power))
        << stored;
}

TEST(TypedNumber, RecoversTheTypedDecimal) {
    expectDecimal(0.1f, 1, -1);
    expectDecimal(0.225f, 225, -3);
    expectDecimal(3.0f, 3, 0);
    expectDecimal(-4.0f, -4, 0);
    expectDecimal(1e30f, 1, 30);
    expectDecimal(1e-30f, 1, -30);
    expectDecimal(123456.0f, 123456, 0);
    expectDecimal(-0.000123456f, -123456, -9);
    expectDecimal(3.40282e38f, 340282, 33);
    expectDecimal(0.0f, 0, 0);
    expectDecimal(-0.0f, 0, 0);
    expectDecimal(1e-45f, 1, -45); // subnormal
    expectDecimal(-3e-45f, -3, -45);
    expectDecimal(2e-45f, 1, -45); // the float of 1e-45, which is nearer to it
}

TEST(TypedNumber, FallsBackToTheBinaryValueBeyondSixDigits) {
    expectBinary(1234567.0f, 1234567.0L); // 1234560 and 1234570 are floats of their own
    expectBinary(std::strtof("16777217", nullptr), 16777216.0L);
    expectBinary(FLT_MAX, std::ldexp(16777215.0L, 104));
}

// An independent reference: the shortest scientific form that reads back as the same float,
// the nearest among equally short ones, as the standard library writes it ("-d.dddde-xx").
void expectAsShortestForm(float stored) {
    char text[32];
    *std::to_chars(text, text + sizeof text - 1, stored, std::chars_format::scientific).ptr = '\0';
    std::string digits(text[0] == '-' ? text + 1 : text, std::strchr(text, 'e'));
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    if (digits.size() > 6) {
        return expectBinary(stored, stored);
    }
    const int exponent = std::atoi(std::strchr(text, 'e') + 1) - int(digits.size() - 1);
    expectDecimal(stored, (text[0] == '-' ? -1 : 1) * std::stoll(digits), exponent);
}

TEST(TypedNumber, AgreesWithTheShortestForm) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digits(0, 999999), exponent(-52, 32), count(1, 6);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffff);
    for (int i = 0; i < 3000; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%de%d",
                      digits(random) % static_cast<int>(std::pow(10, count(random))),
                      exponent(random));
        expectAsShortestForm(std::strtof(text, nullptr));
        const std::uint32_t word = bits(random) | (i % 2 == 0 ? 0x80000000u : 0);
        float pattern = 0.0f;
        std::memcpy(&pattern, &word, sizeof pattern);
        expectAsShortestForm(pattern);
    }
    for (int power = -149; power < 128; ++power) {
        const float edge = std::ldexp(1.0f, power);
        expectAsShortestForm(edge);
        expectAsShortestForm(std::nextafter(edge, 0.0f));
        expectAsShortestForm(std::nextafter(edge, INFINITY));
    }
}

} // namespace
