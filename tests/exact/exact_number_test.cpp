#include "exact/exact_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

void expectDecimal(float stored, long long digits, int exponent) {
    const ExactNumber number = typedNumber(stored);
    EXPECT_TRUE(number.digits == digits && number.twos == exponent && number.fives == exponent)
        << stored << ": " << number.digits << " " << number.twos << " " << number.fives;
}

void expectBinary(float stored, long double value) {
    const ExactNumber number = typedNumber(stored);
    EXPECT_EQ(number.fives, 0) << stored;
    EXPECT_EQ(std::ldexp(static_cast<long double>(number.digits), number.twos), value) << stored;
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

// The plain search: for p = 1..6, the nearest p-digit decimal (printf rounds exactly) and its
// neighbours, nearest first; the first that strtof reads back as the same float.
void expectAsSearched(float stored) {
    for (int p = 1; p <= 6; ++p) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*e", p - 1, static_cast<double>(stored));
        std::string digits(text, std::strchr(text, 'e'));
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        const long long nearest = std::stoll(digits);
        const int exponent = std::atoi(std::strchr(text, 'e') + 1) - (p - 1);
        const long long side = stored > std::strtod(text, nullptr) ? 1 : -1;
        for (long long candidate : {nearest, nearest + side, nearest - side}) {
            std::snprintf(text, sizeof text, "%llde%d", candidate, exponent);
            if (std::strtof(text, nullptr) == stored) {
                int zeros = 0;
                for (; candidate != 0 && candidate % 10 == 0; candidate /= 10) {
                    ++zeros;
                }
                return expectDecimal(stored, candidate, exponent + zeros);
            }
        }
    }
    expectBinary(stored, stored);
}

TEST(TypedNumber, AgreesWithThePlainSearch) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digits(0, 999999), exponent(-52, 32), count(1, 6);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffff);
    for (int i = 0; i < 3000; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%de%d",
                      digits(random) % static_cast<int>(std::pow(10, count(random))),
                      exponent(random));
        expectAsSearched(std::strtof(text, nullptr));
        const std::uint32_t word = bits(random) | (i % 2 == 0 ? 0x80000000u : 0);
        float pattern = 0.0f;
        std::memcpy(&pattern, &word, sizeof pattern);
        expectAsSearched(pattern);
    }
    for (int power = -149; power < 128; ++power) {
        const float edge = std::ldexp(1.0f, power);
        expectAsSearched(edge);
        expectAsSearched(std::nextafter(edge, 0.0f));
        expectAsSearched(std::nextafter(edge, INFINITY));
    }
}

} // namespace
