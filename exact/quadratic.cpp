#include "exact/quadratic.h"

#include "exact/square_part.h"

#include <cmath>
#include <stdexcept>

Quadratic::Quadratic(Rational r) : r_(std::move(r)), s_(0), d_(1) {}

Quadratic::Quadratic(Rational r, Rational s, Integer d, Normalised)
    : r_(std::move(r)), s_(std::move(s)), d_(std::move(d)) {
    if (s_ == 0) {
        d_ = 1;
    }
}

Quadratic::Quadratic(Rational r, Rational s, const Integer& n) : r_(std::move(r)), s_(0), d_(1) {
    if (s == 0 || n == 0) {
        return;
    }
    const SquarePart part = squarePart(n);
    if (part.inside == 1) {
        r_ += s * Rational(part.outside);
        return;
    }
    s_ = s * Rational(part.outside);
    d_ = part.inside;
}

Quadratic Quadratic::squareRootOf(const Rational& q) {
    const Integer& denominator = boost::multiprecision::denominator(q);
    // sqrt(n/m) = sqrt(n*m)/m
    return Quadratic(0, Rational(Integer(1), denominator),
                     boost::multiprecision::numerator(q) * denominator);
}

int Quadratic::sign() const {
    const int rSign = r_.sign();
    const int sSign = s_.sign();
    if (sSign == 0 || rSign == sSign) {
        return rSign != 0 ? rSign : sSign;
    }
    if (rSign == 0) {
        return sSign;
    }
    // r and s*sqrt(d) of opposite signs: the larger square wins.
    const int larger = (r_ * r_ - s_ * s_ * Rational(d_)).sign();
    return larger > 0 ? rSign : larger < 0 ? sSign : 0;
}

long double Quadratic::approximate() const {
    const auto value = [](const Rational& q) {
        return quotientValue(boost::multiprecision::numerator(q),
                             boost::multiprecision::denominator(q));
    };
    if (s_ == 0) {
        return value(r_);
    }
    return value(r_) + value(s_) * std::sqrt(quotientValue(d_, 1));
}

const Integer& commonRadicand(const Quadratic& a, const Quadratic& b) {
    if (!a.isRational() && !b.isRational() && a.radicand() != b.radicand()) {
        throw std::logic_error("quadratic numbers of two different radicands");
    }
    return a.isRational() ? b.radicand() : a.radicand();
}

Quadratic operator+(const Quadratic& a, const Quadratic& b) {
    const Integer& d = commonRadicand(a, b);
    return Quadratic(a.r_ + b.r_, a.s_ + b.s_, d, Quadratic::Normalised{});
}

Quadratic operator-(const Quadratic& a, const Quadratic& b) {
    return a + -b;
}

Quadratic operator*(const Quadratic& a, const Quadratic& b) {
    const Integer& d = commonRadicand(a, b);
    return Quadratic(a.r_ * b.r_ + a.s_ * b.s_ * Rational(d), a.r_ * b.s_ + a.s_ * b.r_, d,
                     Quadratic::Normalised{});
}

Quadratic operator/(const Quadratic& a, const Quadratic& b) {
    const Rational norm = b.norm();
    if (norm == 0) {
        throw std::domain_error("division by zero");
    }
    const Quadratic product = a * b.conjugate();
    return Quadratic(product.r_ / norm, product.s_ / norm, product.d_, Quadratic::Normalised{});
}

std::optional<Quadratic> squareRootWithin(const Quadratic& w) {
    if (w.isRational()) {
        return Quadratic::squareRootOf(w.rational());
    }
    // (x + y sqrt(d))^2 = r + s sqrt(d): x^2 + d y^2 = r, 2xy = s, so x^2 = (r +- n)/2 with
    // n^2 = r^2 - d s^2 the norm, and x, y rational.
    const Rational norm = w.norm();
    if (norm.sign() < 0) {
        return std::nullopt;
    }
    const Quadratic n = Quadratic::squareRootOf(norm);
    if (!n.isRational()) {
        return std::nullopt;
    }
    for (const Rational& xSquared :
         {(w.rational() + n.rational()) / 2, (w.rational() - n.rational()) / 2}) {
        const Quadratic x = Quadratic::squareRootOf(xSquared);
        if (x.isRational() && x.rational() != 0) {
            const Rational y = w.surd() / (2 * x.rational());
            const Quadratic root(x.rational(), y, w.radicand());
            return root.sign() < 0 ? -root : root;
        }
    }
    return std::nullopt;
}
