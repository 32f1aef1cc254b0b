#include "equation/polynomial.h"

#include <algorithm>
#include <utility>

namespace {

unsigned limbs(const Integer& value) {
    return value.backend().size();
}

// A product is refused before it is computed when its factors could only give a longer one.
bool productFits(const Integer& a, const Integer& b) {
    return limbs(a) + limbs(b) <= kLongestNumberLimbs + 1;
}

// a/b + c/d into a/b: over the larger denominator where one divides the other (1 and 9, 10
// and 100), else over their product.
bool addFraction(Integer& a, Integer& b, const Integer& c, const Integer& d) {
    if (b == d) {
        a += c;
        return isShortEnough(a);
    }
    Integer quotient;
    Integer remainder;
    divide_qr(d, b, quotient, remainder);
    if (remainder.is_zero() && productFits(a, quotient)) {
        a = a * quotient + c;
        b = d;
        return isShortEnough(a);
    }
    divide_qr(b, d, quotient, remainder);
    if (remainder.is_zero() && productFits(c, quotient)) {
        a += c * quotient;
        return isShortEnough(a);
    }
    if (!productFits(a, d) || !productFits(c, b) || !productFits(b, d)) {
        return false;
    }
    a = a * d + c * b;
    b *= d;
    return isShortEnough(a) && isShortEnough(b);
}

} // namespace

bool isShortEnough(const Integer& value) {
    return limbs(value) <= kLongestNumberLimbs;
}

Polynomial Polynomial::constant(const Integer& numerator, const Integer& denominator) {
    Polynomial p;
    if (!numerator.is_zero()) {
        p.addTo(0, 0, numerator, denominator);
    }
    return p;
}

Polynomial Polynomial::monomial(int xPower, int yPower) {
    Polynomial p;
    p.addTo(xPower, yPower, 1, 1);
    return p;
}

const Polynomial::Term* Polynomial::find(int xPower, int yPower) const {
    const int at = where_[slot(xPower, yPower)];
    return at < 0 ? nullptr : &terms_[at];
}

Rational Polynomial::at(int xPower, int yPower) const {
    const Term* t = find(xPower, yPower);
    return t == nullptr ? Rational(0) : Rational(t->numerator, t->denominator);
}

bool Polynomial::isZeroAt(int xPower, int yPower) const {
    return find(xPower, yPower) == nullptr;
}

int Polynomial::degree() const {
    int highest = -1;
    for (const Term& t : terms_) {
        highest = std::max(highest, t.xPower + t.yPower);
    }
    return highest;
}

void Polynomial::negate() {
    for (Term& t : terms_) {
        t.numerator = -t.numerator;
    }
}

bool Polynomial::addTo(int xPower, int yPower, const Integer& numerator,
                       const Integer& denominator) {
    const int at = where_[slot(xPower, yPower)];
    if (at < 0) {
        where_[slot(xPower, yPower)] = static_cast<std::int8_t>(terms_.size());
        terms_.push_back({xPower, yPower, numerator, denominator});
        return isShortEnough(numerator) && isShortEnough(denominator);
    }
    Term& t = terms_[at];
    if (!addFraction(t.numerator, t.denominator, numerator, denominator)) {
        return false;
    }
    if (t.numerator.is_zero()) {
        remove(xPower, yPower);
    }
    return true;
}

// The last term takes the place of the one removed.
void Polynomial::remove(int xPower, int yPower) {
    std::int8_t& at = where_[slot(xPower, yPower)];
    if (&terms_[at] != &terms_.back()) {
        terms_[at] = std::move(terms_.back());
        where_[slot(terms_[at].xPower, terms_[at].yPower)] = at;
    }
    terms_.pop_back();
    at = -1;
}

Growth Polynomial::add(const Polynomial& other) {
    return combine(other, 1);
}

Growth Polynomial::subtract(const Polynomial& other) {
    return combine(other, -1);
}

Growth Polynomial::combine(const Polynomial& other, int sign) {
    for (const Term& t : other.terms_) {
        if (!addTo(t.xPower, t.yPower, sign > 0 ? t.numerator : Integer(-t.numerator),
                   t.denominator)) {
            return Growth::NumbersTooLong;
        }
    }
    return Growth::Fits;
}

Growth Polynomial::multiply(const Polynomial& other) {
    if (degree() + other.degree() > kHighestDegree) {
        return Growth::DegreeTooHigh;
    }
    Polynomial product;
    product.terms_.reserve(terms_.size() * other.terms_.size());
    Integer denominators;
    for (const Term& a : terms_) {
        for (const Term& b : other.terms_) {
            if (!productFits(a.numerator, b.numerator) ||
                !productFits(a.denominator, b.denominator)) {
                return Growth::NumbersTooLong;
            }
            // Most denominators are 1.
            const Integer& denominator = b.denominator == 1 ? a.denominator
                                         : a.denominator == 1
                                             ? b.denominator
                                             : (denominators = a.denominator * b.denominator);
            if (!product.addTo(a.xPower + b.xPower, a.yPower + b.yPower, a.numerator * b.numerator,
                               denominator)) {
                return Growth::NumbersTooLong;
            }
        }
    }
    *this = std::move(product);
    return Growth::Fits;
}

Growth Polynomial::divide(const Polynomial& constant) {
    const Term& divisor = constant.terms_.front();
    const Integer magnitude = abs(divisor.numerator);
    for (Term& t : terms_) {
        if (!productFits(t.numerator, divisor.denominator) ||
            !productFits(t.denominator, magnitude)) {
            return Growth::NumbersTooLong;
        }
        t.numerator *= divisor.denominator;
        t.denominator *= magnitude;
        if (!isShortEnough(t.numerator) || !isShortEnough(t.denominator)) {
            return Growth::NumbersTooLong;
        }
    }
    if (divisor.numerator.sign() < 0) {
        negate();
    }
    return Growth::Fits;
}

Growth Polynomial::power(int exponent) {
    if (exponent > 0 && degree() * exponent > kHighestDegree) {
        return Growth::DegreeTooHigh;
    }
    if (exponent == 0) {
        *this = monomial(0, 0);
        return Growth::Fits;
    }
    Polynomial result = *this;
    for (int k = 1; k < exponent; ++k) {
        const Growth growth = result.multiply(*this);
        if (growth != Growth::Fits) {
            return growth;
        }
    }
    *this = std::move(result);
    return Growth::Fits;
}

std::string monomialText(int xPower, int yPower) {
    std::string text;
    for (const auto& [letter, power] : {std::pair{"x", xPower}, std::pair{"y", yPower}}) {
        if (power > 0) {
            text += letter;
        }
        if (power > 1) {
            text += "^" + std::to_string(power);
        }
    }
    return text;
}
