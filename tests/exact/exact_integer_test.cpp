#include "exact/exact_integer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

namespace {

__extension__ typedef __int128 Int128;

// From 16-bit pieces of the two's complement, so only the small constructor and the shift are
// trusted.
ExactInteger exactFrom(Int128 value) {
    ExactInteger pattern;
    for (int shift = 112; shift >= 0; shift -= 16) {
        pattern = pattern.timesPowerOfTwo(16) +
                  ExactInteger(static_cast<long long>((value >> shift) & 0xffff));
    }
    return value < 0 ? pattern - ExactInteger(1).timesPowerOfTwo(128) : pattern;
}

bool same(const ExactInteger& a, const ExactInteger& b) {
    return (a - b).sign() == 0;
}

TEST(ExactInteger, AgreesWithInt128) {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<long long> operand(-(1LL << 62), 1LL << 62);
    for (int i = 0; i < 2000; ++i) {
        const long long a = operand(random), b = operand(random);
        const long long c = i % 4 == 0 ? a : operand(random), d = i % 4 == 0 ? b : operand(random);
        const Int128 expected = Int128{a} * b - Int128{c} * d;
        const ExactInteger value =
            ExactInteger(a) * ExactInteger(b) - ExactInteger(c) * ExactInteger(d);
        EXPECT_TRUE(same(value, exactFrom(expected))) << a << " " << b << " " << c << " " << d;
        EXPECT_EQ(value.sign(), (expected > 0) - (expected < 0));
        EXPECT_EQ(value.toLongDouble(), static_cast<long double>(expected));
        EXPECT_TRUE(same(ExactInteger(a) + ExactInteger(c), exactFrom(Int128{a} + c)));
    }
    EXPECT_TRUE(same(ExactInteger(LLONG_MIN) * ExactInteger(LLONG_MIN),
                     exactFrom(Int128{LLONG_MIN} * LLONG_MIN)));
}

TEST(ExactInteger, IsExactBeyond128Bits) {
    const ExactInteger one(1), big = one.timesPowerOfTwo(100);
    EXPECT_TRUE(same((big + one) * (big - one), one.timesPowerOfTwo(200) - one));
    EXPECT_TRUE(same(one.timesPowerOfTwo(160) - one + one, one.timesPowerOfTwo(160)));
    EXPECT_EQ(((big - one) * (big + one) - big * big).sign(), -1);
}

TEST(ExactInteger, RoundsToTheNearestLongDoubleTiesToEven) {
    const int digits = std::numeric_limits<long double>::digits;
    const ExactInteger top = ExactInteger(1).timesPowerOfTwo(digits);
    const long double topValue = std::ldexp(1.0L, digits);
    EXPECT_EQ((top + ExactInteger(1)).toLongDouble(), topValue);       // tie, even
    EXPECT_EQ((-top - ExactInteger(3)).toLongDouble(), -topValue - 4); // tie, odd: away
    EXPECT_EQ((top.timesPowerOfTwo(1) + ExactInteger(3)).toLongDouble(), 2 * topValue + 4);
    EXPECT_EQ(ExactInteger(1).timesPowerOfTwo(5000).toLongDouble(), std::ldexp(1.0L, 5000));
}

} // namespace
