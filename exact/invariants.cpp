#include "exact/invariants.h"

#include "exact/exact_integer.h"
#include "exact/exact_number.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

ExactInteger powerOfFive(int exponent) {
    const int chunk = 13; // 5^13 is the largest power of five below 2^31
    ExactInteger power(1);
    for (; exponent >= chunk; exponent -= chunk) {
        power = power * ExactInteger(1220703125);
    }
    long long rest = 1;
    for (; exponent > 0; --exponent) {
        rest *= 5;
    }
    return power * ExactInteger(rest);
}

// The X*Y, X and Y coefficients are stored halved; doubling the field gives back the float
// that was read, exactly unless the halving lost a subnormal bit.
ExactNumber typedHalvedNumber(float stored) {
    ExactNumber typed = typedNumber(static_cast<float>(2.0 * stored));
    --typed.twos;
    return typed;
}

// The six coefficients as integers over one common scale 2^twos * 5^fives.
struct ScaledCoefficients {
    ExactInteger a11, a12, a22, a13, a23, a33;
    int twos;
    int fives;
};

ScaledCoefficients scaledCoefficients(const Conic& conic) {
    const ExactNumber typed[6] = {typedNumber(conic.a11),       typedHalvedNumber(conic.a12),
                                  typedNumber(conic.a22),       typedHalvedNumber(conic.a13),
                                  typedHalvedNumber(conic.a23), typedNumber(conic.a33)};
    int twos = 0;
    int fives = 0;
    for (const ExactNumber& number : typed) {
        twos = std::min(twos, number.twos);
        fives = std::min(fives, number.fives);
    }
    ExactInteger scaled[6];
    for (int i = 0; i < 6; ++i) {
        scaled[i] = (ExactInteger(typed[i].digits) * powerOfFive(typed[i].fives - fives))
                        .timesPowerOfTwo(typed[i].twos - twos);
    }
    return {scaled[0], scaled[1], scaled[2], scaled[3], scaled[4], scaled[5], twos, fives};
}

// value * 2^twos * 5^fives: three roundings (the integer, the power of five, their product or
// quotient); the power of two is exact, far inside the range of a long double.
long double scaledValue(const ExactInteger& value, int twos, int fives) {
    const long double power = powerOfFive(std::abs(fives)).toLongDouble();
    const long double integer = value.toLongDouble();
    return std::ldexp(fives >= 0 ? integer * power : integer / power, twos);
}

} // namespace

ConicInvariants conicInvariants(const Conic& conic) {
    const ScaledCoefficients c = scaledCoefficients(conic);
    const ExactInteger delta = c.a11 * c.a22 - c.a12 * c.a12;
    const ExactInteger fullDet = c.a11 * (c.a22 * c.a33 - c.a23 * c.a23) -
                                 c.a12 * (c.a12 * c.a33 - c.a23 * c.a13) +
                                 c.a13 * (c.a12 * c.a23 - c.a22 * c.a13);
    const ExactInteger trace = c.a11 + c.a22;
    const ExactInteger k = (c.a11 * c.a33 - c.a13 * c.a13) + (c.a22 * c.a33 - c.a23 * c.a23);
    const ExactInteger difference = c.a11 - c.a22;
    const ExactInteger twiceA12 = c.a12 + c.a12;
    const ExactInteger discriminant = difference * difference + twiceA12 * twiceA12;
    const ExactInteger nullDirectionTerm = c.a11 * c.a23 - c.a12 * c.a13;

    ConicInvariants invariants;
    invariants.quadraticDetSign = delta.sign();
    invariants.fullDetSign = fullDet.sign();
    invariants.traceSign = trace.sign();
    invariants.kSign = k.sign();
    invariants.nullDirectionTermSign = nullDirectionTerm.sign();
    invariants.quadraticDet = scaledValue(delta, 2 * c.twos, 2 * c.fives);
    invariants.fullDet = scaledValue(fullDet, 3 * c.twos, 3 * c.fives);
    invariants.trace = scaledValue(trace, c.twos, c.fives);
    invariants.k = scaledValue(k, 2 * c.twos, 2 * c.fives);
    invariants.discriminant = scaledValue(discriminant, 2 * c.twos, 2 * c.fives);
    return invariants;
}
