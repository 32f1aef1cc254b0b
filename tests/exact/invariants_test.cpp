#include "exact/exact_text.h"
#include "exact/invariants.h"
#include "exact/reduction_path.h"

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

namespace {

Rational word(const char* text) {
    const auto slash = std::string(text).find('/');
    if (slash == std::string::npos) {
        return *exactValueOf(text);
    }
    return *exactValueOf(std::string(text, slash)) / *exactValueOf(text + slash + 1);
}

// The typed coefficients, the X*Y, X and Y ones halved.
ExactConic exactly(const Typed& t) {
    return {word(t[0]), word(t[1]) / 2, word(t[2]), word(t[3]) / 2, word(t[4]) / 2, word(t[5])};
}

// Each way through the reduction, decided by hand from the invariants.
TEST(ReductionPath, FollowsTheExactInvariants) {
    struct Case {
        Typed typed;
        Ending ending;
        bool central, rotated, exchanged;
    };
    const Case cases[] = {
        {{"0", "0", "0", "1", "2", "3"}, Ending::NotSecondOrder, false, false, false},
        {{"1", "0", "4", "0", "0", "-4"}, Ending::Ellipse, true, false, false},
        {{"4", "0", "1", "0", "0", "-4"}, Ending::Ellipse, true, false, true},
        {{"5", "4", "8", "-32", "-56", "80"}, Ending::Ellipse, true, true, false},
        {{"8", "4", "5", "0", "0", "-36"}, Ending::Ellipse, true, true, true},
        {{"1", "0", "1", "0", "0", "1"}, Ending::ImaginaryEllipse, true, false, false},
        {{"1", "0", "1", "0", "0", "0"}, Ending::SinglePoint, true, false, false},
        {{"0", "1", "0", "0", "0", "-1"}, Ending::Hyperbola, true, true, false},
        {{"1", "0", "-1", "3", "1", "2"}, Ending::IntersectingLines, true, false, false},
        {{"1", "-2", "1", "-4", "-4", "8"}, Ending::Parabola, false, true, true},
        {{"0", "0", "1", "-4", "0", "0"}, Ending::Parabola, false, false, false},
        {{"1", "0", "0", "-4", "0", "3"}, Ending::LinesAlongY, false, false, false},
        {{"1", "2", "1", "2", "2", "1"}, Ending::DoubleLineAlongY, false, true, false},
        {{"0", "0", "1", "0", "2", "-3"}, Ending::ParallelLines, false, false, false},
        {{"0", "0", "1", "0", "0", "0"}, Ending::DoubleLine, false, false, false},
        {{"0", "0", "1", "0", "0", "1"}, Ending::EmptyPair, false, false, false},
        // (x/sqrt(3) + sqrt(3) y)^2 + x = 0: delta = 1/3 * 3 - 1 = 0, which the floats of 1/3
        // and of its six-digit decimal both miss.
        {{"1/3", "2", "3", "1", "0", "0"}, Ending::Parabola, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed[0]) + " " + c.typed[1] + " " + c.typed[2]);
        const ExactConic conic = exactly(c.typed);
        const ReductionPath path = reductionPath(conic, conicInvariants(conic));
        EXPECT_EQ(path.ending, c.ending);
        EXPECT_EQ(path.central, c.central);
        EXPECT_EQ(path.rotated, c.rotated);
        EXPECT_EQ(path.exchanged, c.exchanged);
    }
}

} // namespace
