#include "exact/invariants.h"

namespace {

// The six coefficients as integers over one common denominator.
struct ScaledCoefficients {
    Integer a11, a12, a22, a13, a23, a33;
    Integer denominator;
};

ScaledCoefficients scaledCoefficients(const ExactConic& c) {
    const Rational* fields[6] = {&c.a11, &c.a12, &c.a22, &c.a13, &c.a23, &c.a33};
    Integer common = 1;
    for (const Rational* field : fields) {
        common = lcm(common, denominator(*field));
    }
    Integer scaled[6];
    for (int i = 0; i < 6; ++i) {
        scaled[i] = numerator(*fields[i]) * (common / denominator(*fields[i]));
    }
    return {scaled[0], scaled[1], scaled[2], scaled[3], scaled[4], scaled[5], common};
}

int signOf(const Integer& value) {
    return value.sign();
}

} // namespace

ConicInvariants conicInvariants(const ExactConic& conic) {
    const ScaledCoefficients c = scaledCoefficients(conic);
    const Integer delta = c.a11 * c.a22 - c.a12 * c.a12;
    const Integer fullDet = c.a11 * (c.a22 * c.a33 - c.a23 * c.a23) -
                            c.a12 * (c.a12 * c.a33 - c.a23 * c.a13) +
                            c.a13 * (c.a12 * c.a23 - c.a22 * c.a13);
    const Integer trace = c.a11 + c.a22;
    const Integer k = (c.a11 * c.a33 - c.a13 * c.a13) + (c.a22 * c.a33 - c.a23 * c.a23);
    const Integer difference = c.a11 - c.a22;
    const Integer discriminant = difference * difference + 4 * c.a12 * c.a12;
    const Integer nullDirectionTerm = c.a11 * c.a23 - c.a12 * c.a13;
    const Integer square = c.denominator * c.denominator;

    ConicInvariants invariants;
    invariants.quadraticDetSign = signOf(delta);
    invariants.fullDetSign = signOf(fullDet);
    invariants.traceSign = signOf(trace);
    invariants.kSign = signOf(k);
    invariants.nullDirectionTermSign = signOf(nullDirectionTerm);
    invariants.differenceSign = signOf(difference);
    invariants.quadraticDet = quotientValue(delta, square);
    invariants.fullDet = quotientValue(fullDet, square * c.denominator);
    invariants.trace = quotientValue(trace, c.denominator);
    invariants.k = quotientValue(k, square);
    invariants.discriminant = quotientValue(discriminant, square);
    invariants.difference = quotientValue(difference, c.denominator);
    return invariants;
}

ConicInvariants conicInvariants(const Conic& conic) {
    return conicInvariants(exactConic(conic));
}
