#include "exact/invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using Typed = std::array<const char*, 6>; // X^2, XY, Y^2, X, Y, free term

// The record as the reader fills it from the typed coefficients, each followed by `exponent`.
Conic entered(const Typed& typed, const std::string& exponent = "") {
    float v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = std::strtof((typed[i] + exponent).c_str(), nullptr);
    }
    return {v[0],
            static_cast<float>(v[1] * 0.5),
            v[2],
            static_cast<float>(v[3] * 0.5),
            static_cast<float>(v[4] * 0.5),
            v[5]};
}

// delta, Delta, I, K, discriminant
using Values = std::array<long double, 5>;

void expectInvariants(const Conic& conic, const Values& expected) {
    const ConicInvariants found = conicInvariants(conic);
    const Values values = {found.quadraticDet, found.fullDet, found.trace, found.k,
                           found.discriminant};
    const int signs[] = {found.quadraticDetSign, found.fullDetSign, found.traceSign, found.kSign};
    for (int i = 0; i < 5; ++i) {
        EXPECT_LE(std::fabs(values[i] - expected[i]), 1e-15L * std::fabs(expected[i])) << i;
        EXPECT_TRUE(i == 4 || signs[i] == (expected[i] > 0) - (expected[i] < 0)) << i;
    }
}

// By hand; every coefficient a short decimal, so scaling by 10^8 or 10^-8 keeps it exact.
const std::pair<Typed, Values> shortCases[] = {
    {{"9", "0", "9", "-6", "-6", "2"}, {81, 0, 18, 18, 0}}, // (3x-1)^2 + (3y-1)^2 = 0
    {{"9", "-24", "16", "-20", "110", "-50"}, {0, -15625, 25, -4375, 625}},
    {{"0.1", "0.3", "0.225", "1", "0", "0"}, {0, -0.05625L, 0.325L, -0.25L, 0.105625L}},
    {{"1", "0", "0", "0", "0", "1"}, {0, 0, 1, 1, 1}},
    {{"1", "0", "0", "0", "0", "-1"}, {0, 0, 1, -1, 1}},
    {{"1", "0", "0", "0", "0", "0"}, {0, 0, 1, 0, 1}},
    {{"1", "0", "4", "0", "0", "-4"}, {4, -16, 5, -20, 9}},
};

TEST(ConicInvariants, DecideTheEnteredEquation) {
    for (const auto& [typed, values] : shortCases) {
        SCOPED_TRACE(std::string(typed[0]) + " " + typed[1] + " " + typed[2] + " " + typed[5]);
        expectInvariants(entered(typed), values);
        expectInvariants(entered(typed, "e8"),
                         {values[0] * 1e16L, values[1] * 1e24L, values[2] * 1e8L, values[3] * 1e16L,
                          values[4] * 1e16L});
        expectInvariants(entered(typed, "e-8"),
                         {values[0] * 1e-16L, values[1] * 1e-24L, values[2] * 1e-8L,
                          values[3] * 1e-16L, values[4] * 1e-16L});
    }
    // (3x+4y)^2/65536 + x = 0, with coefficients that are binary fractions of more than 6 digits.
    expectInvariants(
        entered({"0.0001373291015625", "0.0003662109375", "0.000244140625", "1", "0", "0"}),
        {0, -1.0L / 16384, 25.0L / 65536, -0.25L, 625.0L / 4294967296});
}

TEST(ConicInvariants, IgnoreFloatResidues) {
    const Conic conic = entered({"0.1", "0.3", "0.225", "1", "0", "0"});
    ASSERT_LT(double(conic.a11) * conic.a22 - double(conic.a12) * conic.a12, 0.0);
    EXPECT_EQ(conicInvariants(conic).quadraticDetSign, 0);
}

TEST(ConicInvariants, SpanTheWholeFloatRange) {
    // 3e38 X^2 + 6 XY + a22 Y^2 + 1e-45 = 0: delta = 3e38 * a22 - 9, Delta = 1e-45 * delta.
    const std::pair<const char*, long double> cases[] = {
        {"3e-38", 0}, {"3.00001e-38", 3e-5L}, {"2.99999e-38", -3e-5L}};
    for (const auto& [a22, delta] : cases) {
        SCOPED_TRACE(a22);
        const long double y2 = std::strtold(a22, nullptr);
        expectInvariants(entered({"3e38", "6", a22, "0", "0", "1e-45"}),
                         {delta, 1e-45L * delta, 3e38L + y2, (3e38L + y2) * 1e-45L,
                          (3e38L - y2) * (3e38L - y2) + 36});
    }
}

} // namespace
