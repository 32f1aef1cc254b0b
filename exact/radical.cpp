#include "exact/radical.h"

#include <cmath>
#include <stdexcept>

namespace {

// The radicand that a and b share: a fault when both have one and they differ.
const Quadratic& commonRoot(const Radical& a, const Radical& b) {
    if (!a.isQuadratic() && !b.isQuadratic() && a.radicand() != b.radicand()) {
        throw std::logic_error("radicals of two different radicands");
    }
    return a.isQuadratic() ? b.radicand() : a.radicand();
}

} // namespace

Radical::Radical(Quadratic p) : p_(std::move(p)), q_(0), w_(0) {}

Radical::Radical(Quadratic p, Quadratic q, Quadratic w)
    : p_(std::move(p)), q_(std::move(q)), w_(std::move(w)) {
    if (q_ == 0 || w_ == 0) {
        q_ = 0;
        w_ = 0;
        return;
    }
    // A root that is a quadratic number of the same radicand as the rest joins it.
    const std::optional<Quadratic> root = squareRootWithin(w_);
    const bool rationalRest = p_.isRational() && q_.isRational();
    if (root &&
        (rationalRest || root->isRational() || root->radicand() == commonRadicand(p_, q_))) {
        p_ = p_ + q_ * *root;
        q_ = 0;
        w_ = 0;
    }
}

Radical Radical::squareRootOf(const Quadratic& w) {
    if (w.sign() < 0) {
        throw std::domain_error("square root of a negative number");
    }
    return Radical(0, 1, w);
}

int Radical::sign() const {
    const int pSign = p_.sign();
    const int qSign = q_.sign();
    if (qSign == 0 || pSign == qSign) {
        return pSign != 0 ? pSign : qSign;
    }
    if (pSign == 0) {
        return qSign;
    }
    const int larger = (p_ * p_ - q_ * q_ * w_).sign();
    return larger > 0 ? pSign : larger < 0 ? qSign : 0;
}

long double Radical::approximate() const {
    if (isQuadratic()) {
        return p_.approximate();
    }
    return p_.approximate() + q_.approximate() * std::sqrt(w_.approximate());
}

Radical operator+(const Radical& a, const Radical& b) {
    return Radical(a.p_ + b.p_, a.q_ + b.q_, commonRoot(a, b));
}

Radical operator*(const Radical& a, const Radical& b) {
    const Quadratic& w = commonRoot(a, b);
    return Radical(a.p_ * b.p_ + a.q_ * b.q_ * w, a.p_ * b.q_ + a.q_ * b.p_, w);
}

// Times the conjugate p - q sqrt(w), which leaves a quadratic number below.
Radical operator/(const Radical& a, const Radical& b) {
    const Radical conjugate(b.p_, -b.q_, b.w_);
    const Radical top = a * conjugate;
    const Quadratic bottom = b.p_ * b.p_ - b.q_ * b.q_ * b.w_;
    return Radical(top.p_ / bottom, top.q_ / bottom, top.w_);
}
