#include "exact/exact_conic.h"

#include "exact/exact_number.h"

namespace {

// The X*Y, X and Y coefficients are stored halved; doubling the field gives back the float
// that was read, exactly unless the halving lost a subnormal bit.
Rational typedHalvedNumber(float stored) {
    return typedNumber(static_cast<float>(2.0 * stored)) / 2;
}

} // namespace

ExactConic exactConic(const Conic& c) {
    return {typedNumber(c.a11),       typedHalvedNumber(c.a12), typedNumber(c.a22),
            typedHalvedNumber(c.a13), typedHalvedNumber(c.a23), typedNumber(c.a33)};
}
