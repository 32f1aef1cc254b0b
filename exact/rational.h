#pragma once

// Integers and rationals of any size. GCC warns of possibly uninitialised limbs inside the
// library's own inline code, which is none of konika's.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/multiprecision/cpp_int.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// Without expression templates: every result is a number, as the arithmetic of this program
// expects (auto, braced lists, member calls on results).
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;
using Rational = boost::multiprecision::number<
    boost::multiprecision::rational_adaptor<boost::multiprecision::cpp_int_backend<>>,
    boost::multiprecision::et_off>;

// The float nearest to the value, ties to the even mantissa, subnormals included; an infinity
// beyond the float range.
float nearestFloat(const Rational& value);

// numerator / denominator as a long double, to a few units of its last place; the denominator
// is positive. Works on integers too long for a long double.
long double quotientValue(const Integer& numerator, const Integer& denominator);
