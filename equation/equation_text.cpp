#include "equation/equation_reader.h"

#include "equation/polynomial.h"

#include <utility>

std::string coefficientWord(const Rational& value) {
    const Integer& denominator = boost::multiprecision::denominator(value);
    const std::string numerator = boost::multiprecision::numerator(value).str();
    return denominator == 1 ? numerator : numerator + "/" + denominator.str();
}

// Each term as "3x^2/2": the numerator before the variables (left out when it is 1), the
// denominator after them, so that the reading, left to right, gives back the same number.
std::string equationText(const EquationCoefficients& c) {
    const std::pair<const Rational*, std::string> terms[] = {
        {&c.x2, monomialText(2, 0)}, {&c.xy, monomialText(1, 1)}, {&c.y2, monomialText(0, 2)},
        {&c.x, monomialText(1, 0)},  {&c.y, monomialText(0, 1)},  {&c.constant, ""}};
    std::string text;
    for (const auto& [value, monomial] : terms) {
        if (value->is_zero()) {
            continue;
        }
        const bool negative = value->sign() < 0;
        text += text.empty() ? (negative ? "-" : "") : (negative ? " - " : " + ");
        const Integer numerator = abs(boost::multiprecision::numerator(*value));
        const Integer& denominator = boost::multiprecision::denominator(*value);
        if (numerator != 1 || monomial.empty()) {
            text += numerator.str();
        }
        text += monomial;
        if (denominator != 1) {
            text += "/" + denominator.str();
        }
    }
    return (text.empty() ? "0" : text) + " = 0";
}
