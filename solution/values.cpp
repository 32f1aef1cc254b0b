#include "solution/values.h"

#include "exact/square_part.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace {

using boost::multiprecision::denominator;
using boost::multiprecision::numerator;

Expr integerOf(const Integer& value) {
    return value < 0 ? negation(integer(Integer(-value).str())) : integer(value.str());
}

// Sum of coefficient * sqrt(radicand) over square-free radicands (1 for the rational part).
using SurdSum = std::map<Integer, Rational>;

void addTerm(SurdSum& surds, const Rational& coefficient, const Integer& radicand) {
    if (coefficient == 0) {
        return;
    }
    const SquarePart part = squarePart(radicand);
    surds[part.inside] += coefficient * Rational(part.outside);
    if (surds[part.inside] == 0) {
        surds.erase(part.inside);
    }
}

void addQuadratic(SurdSum& surds, const Quadratic& q, const Rational& factor, const Integer& root) {
    addTerm(surds, q.rational() * factor, root);
    addTerm(surds, q.surd() * factor, q.radicand() * root);
}

// n * sqrt(radicand), n a non-negative integer.
Expr surdTerm(const Integer& n, const Integer& radicand) {
    if (radicand == 1) {
        return integer(n.str());
    }
    const Expr root = squareRoot(integer(radicand.str()));
    return n == 1 ? root : product({integer(n.str()), root});
}

// Over one denominator, the minus in front where every term is negative.
Expr surdSumExpression(const SurdSum& surds) {
    if (surds.empty()) {
        return integer(0);
    }
    Integer common = 1;
    bool allNegative = true;
    for (const auto& [radicand, coefficient] : surds) {
        common = lcm(common, denominator(coefficient));
        allNegative = allNegative && coefficient.sign() < 0;
    }
    // A positive term first: "(sqrt(13) - 1)/2" rather than "(-1 + sqrt(13))/2".
    std::vector<Expr> terms;
    std::vector<Expr> negativeTerms;
    for (const auto& [radicand, coefficient] : surds) {
        const Integer n = numerator(coefficient) * (common / denominator(coefficient));
        const Expr term = surdTerm(n < 0 ? Integer(-n) : n, radicand);
        if (n < 0 && !allNegative) {
            negativeTerms.push_back(negation(term));
        } else {
            terms.push_back(term);
        }
    }
    terms.insert(terms.end(), negativeTerms.begin(), negativeTerms.end());
    Expr whole = sum(terms);
    if (common != 1) {
        whole = quotient(whole, integer(common.str()));
    }
    return allNegative ? negation(whole) : whole;
}

// sqrt(w) for an irrational w = (A + B sqrt(d))/M with integers, the square factors of the
// content and of M taken out: outside * sqrt(inside).
struct NestedRoot {
    Rational outside;
    Quadratic inside;
};

NestedRoot nestedRoot(const Quadratic& w) {
    const Integer m = lcm(denominator(w.rational()), denominator(w.surd()));
    const Integer a = numerator(w.rational()) * (m / denominator(w.rational()));
    const Integer b = numerator(w.surd()) * (m / denominator(w.surd()));
    const SquarePart content = squarePart(gcd(abs(a), abs(b)));
    const SquarePart below = squarePart(m);
    const Integer square = content.outside * content.outside;
    const Rational inside(Integer(1), below.inside);
    return {Rational(content.outside, below.outside),
            Quadratic(Rational(a / square) * inside, Rational(b / square) * inside, w.radicand())};
}

// q * sqrt(w) added to the sum where the root denests into square roots of rationals; false
// where it does not.
bool addDenestedRoot(SurdSum& surds, const Quadratic& q, const Quadratic& w) {
    if (w.isRational()) {
        const Quadratic root = Quadratic::squareRootOf(w.rational());
        addQuadratic(surds, q, root.surd(), root.radicand());
        addQuadratic(surds, q, root.rational(), 1);
        return true;
    }
    // sqrt(r + s sqrt(d)) = sqrt((r + n)/2) + sign(s) sqrt((r - n)/2), n^2 = r^2 - s^2 d.
    const Rational norm = w.norm();
    if (norm.sign() < 0) {
        return false;
    }
    const Quadratic n = Quadratic::squareRootOf(norm);
    if (!n.isRational()) {
        return false;
    }
    const Quadratic first = Quadratic::squareRootOf((w.rational() + n.rational()) / 2);
    const Quadratic second = Quadratic::squareRootOf((w.rational() - n.rational()) / 2);
    const Rational signs[2] = {1, w.surd().sign()};
    const Quadratic roots[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        addQuadratic(surds, q, roots[i].surd() * signs[i], roots[i].radicand());
        addQuadratic(surds, q, roots[i].rational() * signs[i], 1);
    }
    return true;
}

} // namespace

Expr valueOf(const Rational& value) {
    const Integer n = numerator(value);
    const Integer d = denominator(value);
    if (d == 1) {
        return integerOf(n);
    }
    const Expr fraction = quotient(integer(Integer(abs(n)).str()), integer(d.str()));
    return n < 0 ? negation(fraction) : fraction;
}

Expr valueOf(const Quadratic& value) {
    SurdSum surds;
    addQuadratic(surds, value, 1, 1);
    return surdSumExpression(surds);
}

Expr valueOf(const Radical& value) {
    SurdSum surds;
    addQuadratic(surds, value.base(), 1, 1);
    if (value.isQuadratic() || addDenestedRoot(surds, value.coefficient(), value.radicand())) {
        return surdSumExpression(surds);
    }
    const NestedRoot root = nestedRoot(value.radicand());
    const Quadratic coefficient = value.coefficient() * Quadratic(root.outside);
    const Expr rootExpression = squareRoot(valueOf(root.inside));
    const Expr nested = termOf(coefficient, rootExpression);
    if (surds.empty()) {
        return nested;
    }
    return sum({surdSumExpression(surds), nested});
}

bool isIrrational(const Radical& value) {
    return !value.isQuadratic() || !value.base().isRational();
}

std::string decimalText(long double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4Lg", value + 0.0L);
    return text;
}

Expr valueLine(std::vector<Expr> left, const Radical& value) {
    std::string operators(left.size(), '=');
    left.push_back(valueOf(value));
    if (isIrrational(value)) {
        left.push_back(decimal(decimalText(value.approximate())));
        operators += '~';
    }
    return relation(std::move(left), operators);
}

Expr termOf(const Radical& coefficient, const Expr& monomial) {
    if (!monomial) {
        return valueOf(coefficient);
    }
    const bool negative = coefficient.sign() < 0;
    const Radical size = negative ? -coefficient : coefficient;
    Expr term;
    if (size.isQuadratic() && size.base().isRational()) {
        // "x^2", "3*x", "x^2/9", "2*x^2/3"
        const Rational& r = size.base().rational();
        const Integer n = numerator(r);
        const Expr top = n == 1 ? monomial : product({integer(n.str()), monomial});
        term = denominator(r) == 1 ? top : quotient(top, integer(denominator(r).str()));
    } else {
        term = product({valueOf(size), monomial});
    }
    return negative ? negation(term) : term;
}

Expr decimalTermOf(const Radical& coefficient, const Expr& monomial) {
    const long double value = coefficient.approximate();
    const Expr size = decimal(decimalText(std::fabs(value)));
    const bool one = coefficient == Radical(1) || coefficient == Radical(-1);
    const Expr term = !monomial ? size : one ? monomial : product({size, monomial});
    return value < 0 ? negation(term) : term;
}

Expr decimalValueOf(const Radical& value) {
    if (value.isQuadratic() && value.base().isRational() &&
        boost::multiprecision::denominator(value.base().rational()) == 1) {
        return valueOf(value);
    }
    return decimalTermOf(value, nullptr);
}

namespace {

Expr exactValue(const Radical& value) {
    return valueOf(value);
}

} // namespace

const NumberStyle kExactNumbers = {exactValue, termOf};
const NumberStyle kDecimalNumbers = {decimalValueOf, decimalTermOf};
