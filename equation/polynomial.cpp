#include "equation/polynomial.h"

#include <algorithm>
#include <utility>

namespace {

unsigned limbs(const Integer& value) {
    return value.backend().size();
}

bool fits(const Integer& value) {
    return limbs(value) <= kLongestNumberLimbs;
}

// A product is refused before it is computed when its factors could only give a longer one.
bool productFits(const Integer& a, const Integer& b) {
    return limbs(a) + limbs(b) <= kLongestNumberLimbs + 1;
}

} // namespace

Polynomial Polynomial::constant(const Integer& numerator, const Integer& denominator) {
    Polynomial p;
    if (!numerator.is_zero()) {
        p.addTo(0, 0, numerator);
    }
    p.denominator_ = denominator;
    return p;
}

Polynomial Polynomial::monomial(int xPower, int yPower) {
    Polynomial p;
    p.addTo(xPower, yPower, 1);
    return p;
}

const Polynomial::Term* Polynomial::find(int xPower, int yPower) const {
    const int at = where_[slot(xPower, yPower)];
    return at < 0 ? nullptr : &terms_[at];
}

Rational Polynomial::at(int xPower, int yPower) const {
    const Term* t = find(xPower, yPower);
    return t == nullptr ? Rational(0) : Rational(t->numerator, denominator_);
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

bool Polynomial::addTo(int xPower, int yPower, Integer value) {
    std::int8_t& at = where_[slot(xPower, yPower)];
    if (at < 0) {
        at = static_cast<std::int8_t>(terms_.size());
        const bool fitting = fits(value);
        terms_.push_back({xPower, yPower, std::move(value)});
        return fitting;
    }
    Term& t = terms_[at];
    t.numerator += value;
    if (!t.numerator.is_zero()) {
        return fits(t.numerator);
    }
    // The last term takes the place of the one that cancelled.
    if (&t != &terms_.back()) {
        t = std::move(terms_.back());
        where_[slot(t.xPower, t.yPower)] = at;
    }
    terms_.pop_back();
    at = -1;
    return true;
}

// Every numerator times factor, the denominator times divisor.
Growth Polynomial::scale(const Integer& factor, const Integer& divisor) {
    if (!productFits(denominator_, divisor)) {
        return Growth::NumbersTooLong;
    }
    for (Term& t : terms_) {
        if (!productFits(t.numerator, factor)) {
            return Growth::NumbersTooLong;
        }
        t.numerator *= factor;
    }
    denominator_ *= divisor;
    return fits(denominator_) ? Growth::Fits : Growth::NumbersTooLong;
}

Growth Polynomial::add(const Polynomial& other) {
    return combine(other, 1);
}

Growth Polynomial::subtract(const Polynomial& other) {
    return combine(other, -1);
}

// Over a common denominator: the larger one where it is a multiple of the other (1 and 9, 10
// and 100), else their product.
Growth Polynomial::combine(const Polynomial& other, int sign) {
    if (denominator_ != other.denominator_) {
        Integer quotient;
        Integer remainder;
        divide_qr(other.denominator_, denominator_, quotient, remainder);
        if (!remainder.is_zero()) {
            divide_qr(denominator_, other.denominator_, quotient, remainder);
            Polynomial addend = other;
            const Integer factor = remainder.is_zero() ? quotient : denominator_;
            if (addend.scale(factor, factor) != Growth::Fits) {
                return Growth::NumbersTooLong;
            }
            return combine(addend, sign);
        }
        if (scale(quotient, quotient) != Growth::Fits) {
            return Growth::NumbersTooLong;
        }
    }
    for (const Term& t : other.terms_) {
        if (!addTo(t.xPower, t.yPower, sign > 0 ? t.numerator : Integer(-t.numerator))) {
            return Growth::NumbersTooLong;
        }
    }
    return Growth::Fits;
}

Growth Polynomial::multiply(const Polynomial& other) {
    if (degree() + other.degree() > kHighestDegree) {
        return Growth::DegreeTooHigh;
    }
    if (!productFits(denominator_, other.denominator_)) {
        return Growth::NumbersTooLong;
    }
    Polynomial product;
    product.terms_.reserve(terms_.size() * other.terms_.size());
    for (const Term& a : terms_) {
        for (const Term& b : other.terms_) {
            if (!productFits(a.numerator, b.numerator) ||
                !product.addTo(a.xPower + b.xPower, a.yPower + b.yPower,
                               a.numerator * b.numerator)) {
                return Growth::NumbersTooLong;
            }
        }
    }
    product.denominator_ = denominator_ * other.denominator_;
    *this = std::move(product);
    return Growth::Fits;
}

Growth Polynomial::divide(const Polynomial& constant) {
    const Integer& value = constant.terms_.front().numerator;
    if (value.sign() < 0) {
        negate();
    }
    return scale(constant.denominator_, abs(value));
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
