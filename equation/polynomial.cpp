#include "equation/polynomial.h"

#include <utility>

namespace {

constexpr int kSide = kHighestDegree + 1;

unsigned bitLength(const Integer& value) {
    return value.is_zero() ? 0 : static_cast<unsigned>(msb(abs(value))) + 1;
}

// A product is refused before it is computed when its parts could only give a longer number.
bool productIsShortEnough(const Rational& a, const Rational& b) {
    using boost::multiprecision::denominator;
    using boost::multiprecision::numerator;
    return bitLength(numerator(a)) + bitLength(numerator(b)) <= kLongestNumberBits + 1 &&
           bitLength(denominator(a)) + bitLength(denominator(b)) <= kLongestNumberBits + 1;
}

} // namespace

bool isShortEnough(const Rational& value) {
    return bitLength(boost::multiprecision::numerator(value)) <= kLongestNumberBits &&
           bitLength(boost::multiprecision::denominator(value)) <= kLongestNumberBits;
}

Polynomial::Polynomial() : terms_(kSide * kSide) {}

Polynomial Polynomial::constant(const Rational& value) {
    Polynomial p;
    p.term(0, 0) = value;
    return p;
}

Polynomial Polynomial::monomial(int xPower, int yPower) {
    Polynomial p;
    p.term(xPower, yPower) = 1;
    return p;
}

const Rational& Polynomial::at(int xPower, int yPower) const {
    return terms_[xPower * kSide + yPower];
}

Rational& Polynomial::term(int xPower, int yPower) {
    return terms_[xPower * kSide + yPower];
}

int Polynomial::degree() const {
    int highest = -1;
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; i + j <= kHighestDegree; ++j) {
            if (!at(i, j).is_zero() && i + j > highest) {
                highest = i + j;
            }
        }
    }
    return highest;
}

void Polynomial::negate() {
    for (Rational& value : terms_) {
        if (!value.is_zero()) {
            value = -value;
        }
    }
}

Growth Polynomial::add(const Polynomial& other) {
    return combine(other, false);
}

Growth Polynomial::subtract(const Polynomial& other) {
    return combine(other, true);
}

Growth Polynomial::combine(const Polynomial& other, bool subtract) {
    for (std::size_t k = 0; k < terms_.size(); ++k) {
        if (other.terms_[k].is_zero()) {
            continue;
        }
        if (subtract) {
            terms_[k] -= other.terms_[k];
        } else {
            terms_[k] += other.terms_[k];
        }
        if (!isShortEnough(terms_[k])) {
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
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; i + j <= kHighestDegree; ++j) {
            if (at(i, j).is_zero()) {
                continue;
            }
            for (int k = 0; i + j + k <= kHighestDegree; ++k) {
                for (int l = 0; i + j + k + l <= kHighestDegree; ++l) {
                    if (other.at(k, l).is_zero()) {
                        continue;
                    }
                    if (!productIsShortEnough(at(i, j), other.at(k, l))) {
                        return Growth::NumbersTooLong;
                    }
                    Rational& sum = product.term(i + k, j + l);
                    sum += at(i, j) * other.at(k, l);
                    if (!isShortEnough(sum)) {
                        return Growth::NumbersTooLong;
                    }
                }
            }
        }
    }
    terms_.swap(product.terms_);
    return Growth::Fits;
}

Growth Polynomial::power(int exponent) {
    if (exponent > 0 && degree() * exponent > kHighestDegree) {
        return Growth::DegreeTooHigh;
    }
    Polynomial result = constant(1);
    for (int k = 0; k < exponent; ++k) {
        const Growth growth = result.multiply(*this);
        if (growth != Growth::Fits) {
            return growth;
        }
    }
    terms_.swap(result.terms_);
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
