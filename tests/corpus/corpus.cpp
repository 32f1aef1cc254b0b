#include "corpus.h"

#include <cstdlib>
#include <random>
#include <stdexcept>
#include <utility>

namespace {

using Int = std::int64_t;

// Typed magnitudes stay within 1000; with three decimals that is at most 6 significant digits
// (1000 itself has one).
constexpr Int kMaxMilli = 1000000;

// a*x + b*y + c with integer coefficients.
struct Linear {
    Int a;
    Int b;
    Int c;
};

int signOf(Int v) {
    return (v > 0) - (v < 0);
}

// weight * l^2, the weight in thousandths.
Milli square(const Linear& l, Int weight) {
    return {weight * l.a * l.a,     weight * 2 * l.a * l.b, weight * l.b * l.b,
            weight * 2 * l.a * l.c, weight * 2 * l.b * l.c, weight * l.c * l.c};
}

// weight * p * q, the weight in thousandths.
Milli product(const Linear& p, const Linear& q, Int weight) {
    return {weight * p.a * q.a,
            weight * (p.a * q.b + p.b * q.a),
            weight * p.b * q.b,
            weight * (p.a * q.c + p.c * q.a),
            weight * (p.b * q.c + p.c * q.b),
            weight * p.c * q.c};
}

// weight * l, the weight in thousandths.
Milli linearTerm(const Linear& l, Int weight) {
    return {0, 0, 0, weight * l.a, weight * l.b, weight * l.c};
}

Milli operator+(Milli p, const Milli& q) {
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] += q[i];
    }
    return p;
}

Milli constantTerm(Int milli) {
    return {0, 0, 0, 0, 0, milli};
}

// What the construction made, up to a nonzero factor of the whole equation:
//   Central:   w1*L1^2 + w2*L2^2 + value, with L1, L2 of independent directions, so value is
//              the left-hand side at the centre (where L1 = L2 = 0);
//   Strip:     w*L^2 + value;
//   Parabolic: w*L^2 + M, with M linear and its gradient not parallel to L's.
struct Shape {
    enum Form { Central, Strip, Parabolic };
    Form form = Central;
    int sign1 = 1;    // sign of w1 (or w)
    int sign2 = 1;    // sign of w2
    Int valueNum = 0; // value = valueNum / valueDen, in thousandths
    Int valueDen = 1; // > 0
    Int gradA = 0;    // Strip: the gradient (a, b) of its square
    Int gradB = 0;
};

ConicType typeOf(const Shape& s) {
    const int value = signOf(s.valueNum);
    switch (s.form) {
    case Shape::Central:
        if (s.sign1 == s.sign2) {
            return value == 0         ? ConicType::SinglePoint
                   : value == s.sign1 ? ConicType::ImaginaryEllipse
                                      : ConicType::RealEllipse;
        }
        return value == 0 ? ConicType::IntersectingLines : ConicType::Hyperbola;
    case Shape::Strip:
        return value == 0         ? ConicType::DoubleLine
               : value == s.sign1 ? ConicType::EmptySet
                                  : ConicType::ParallelLines;
    case Shape::Parabolic:
        break;
    }
    return ConicType::Parabola;
}

struct Built {
    Milli typed;
    Shape shape;
    std::string family;
};

Shape central(int sign1, int sign2, Int valueNum, Int valueDen = 1) {
    Shape s;
    s.sign1 = sign1;
    s.sign2 = sign2;
    s.valueNum = valueNum;
    s.valueDen = valueDen;
    return s;
}

Shape strip(int sign, const Linear& l, Int valueNum, Int valueDen) {
    Shape s;
    s.form = Shape::Strip;
    s.sign1 = sign;
    s.valueNum = valueNum;
    s.valueDen = valueDen;
    s.gradA = l.a;
    s.gradB = l.b;
    return s;
}

Shape parabolic() {
    Shape s;
    s.form = Shape::Parabolic;
    return s;
}

class Random {
  public:
    // Starts a new case; about a third of the cases get whole numbers only.
    void startCase() { wholeNumbers_ = chance(35); }

    Int between(Int lo, Int hi) { return lo + static_cast<Int>(engine_() % (hi - lo + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    int sign() { return chance(50) ? 1 : -1; }

    // Directions of rotations by Pythagorean-triple angles (3:4:5, 5:12:13, 8:15:17, 7:24:25,
    // 20:21:29), the 1:2 and 1:1 directions and the axes, with any signs and small multiples.
    Linear turnedDirection() {
        static const Int kDirections[][2] = {{3, 4},  {4, 3},  {5, 12}, {12, 5},  {8, 15},
                                             {15, 8}, {7, 24}, {24, 7}, {20, 21}, {21, 20},
                                             {1, 2},  {2, 1},  {1, 1},  {1, 0},   {0, 1}};
        const auto& d = kDirections[between(0, 14)];
        const Int k = chance(70) ? 1 : between(2, 3);
        return {sign() * k * d[0], sign() * k * d[1], 0};
    }

    Linear anyDirection() {
        Linear l{0, 0, 0};
        while (l.a == 0 && l.b == 0) {
            l = {between(-12, 12), between(-12, 12), 0};
        }
        return l;
    }

    Linear direction() { return chance(60) ? turnedDirection() : anyDirection(); }

    // The constant of a linear form: moves the curve by a rational translation.
    Int offset() {
        static const Int kReach[] = {0, 3, 10, 40};
        const Int reach = kReach[between(0, 3)];
        return between(-reach, reach);
    }

    // A positive weight in thousandths: integers, arbitrary three-place decimals, small ones.
    Int weight() {
        static const Int kSmall[] = {1, 2, 5, 10, 25, 50, 100, 125, 250, 500};
        const Int pick = between(1, 10);
        if (pick <= 4 || wholeNumbers_) {
            return 1000 * between(1, 12);
        }
        return pick <= 8 ? between(1, 3000) : kSmall[between(0, 9)];
    }

    // The value at the centre (or the constant after completing a square), in thousandths:
    // often exactly zero, sometimes a single last-place digit away from it.
    Int value() {
        const Int pick = between(1, 10);
        if (pick <= 3) {
            return 0;
        }
        if (wholeNumbers_) {
            return sign() * 1000 * (pick == 4 ? 1 : between(1, 300));
        }
        if (pick == 4) {
            return sign() * between(1, 9);
        }
        return sign() * (pick <= 7 ? between(1, kMaxMilli) : 1000 * between(1, 300));
    }

    // A linear coefficient in thousandths, from a last-place digit up to hundreds.
    Int linearCoefficient() {
        const Int pick = between(1, 20);
        if (wholeNumbers_) {
            return sign() * 1000 * (pick <= 3 ? 1 : between(1, 50));
        }
        if (pick <= 3) {
            return sign() * between(1, 9);
        }
        return sign() * (pick <= 12 ? 1000 * between(1, 50) : between(1, 100000));
    }

    // A typed digit changed by one in the last (sometimes an earlier) place.
    Int nudge() {
        static const Int kSteps[] = {1, 1, 1, 1, 1, 1, 1, 10, 100, 1000};
        return sign() * (wholeNumbers_ ? 1000 : kSteps[between(0, 9)]);
    }

  private:
    std::mt19937 engine_{20250611u};
    bool wholeNumbers_ = false;
};

bool independent(const Linear& p, const Linear& q) {
    return p.a * q.b - p.b * q.a != 0;
}

Linear perpendicular(const Linear& l, Int c) {
    return {-l.b, l.a, c};
}

Linear withOffset(Linear l, Int c) {
    l.c = c;
    return l;
}

// s1*w1*l1^2 + s2*w2*l2^2 + value for independent lines l1 and l2, with random signs and
// weights: its type follows from the signs and the value alone.
Built weightedSquares(Random& r, const Linear& l1, const Linear& l2, const char* how) {
    const int s1 = r.sign();
    const int s2 = r.sign();
    const Int value = r.value();
    return {square(l1, s1 * r.weight()) + square(l2, s2 * r.weight()) + constantTerm(value),
            central(s1, s2, value), how};
}

// Canonical ellipses, hyperbolas, points and crossing line pairs, turned by a Pythagorean
// angle and moved: w1*(p*x + q*y + u)^2 + w2*(-q*x + p*y + v)^2 + value.
Built turnedCentral(Random& r) {
    const Linear l1 = withOffset(r.turnedDirection(), r.offset());
    const Linear l2 = perpendicular(l1, r.offset());
    return weightedSquares(r, l1, l2, "turned canonical central form");
}

// Sums and differences of two squares of lines in arbitrary independent directions.
Built twoSquares(Random& r) {
    const Linear l1 = withOffset(r.direction(), r.offset());
    Linear l2 = withOffset(r.anyDirection(), r.offset());
    while (!independent(l1, l2)) {
        l2 = withOffset(r.anyDirection(), l2.c);
    }
    return weightedSquares(r, l1, l2, "two squares");
}

// A square plus a constant: two parallel lines, a double line or nothing.
Built squarePlusConstant(Random& r) {
    const Linear l = withOffset(r.direction(), r.offset());
    const int s = r.sign();
    const Int value = r.value();
    return {square(l, s * r.weight()) + constantTerm(value), strip(s, l, value, 1),
            "square plus constant"};
}

// The canonical parabola w*Y'^2 + m*X' = 0 turned by a Pythagorean angle and moved.
Built turnedParabola(Random& r) {
    const Linear l = withOffset(r.turnedDirection(), r.offset());
    const Linear axis = perpendicular(l, r.offset());
    return {square(l, r.sign() * r.weight()) + linearTerm(axis, r.sign() * r.weight()), parabolic(),
            "turned canonical parabola"};
}

// A square plus a linear term whose gradient is not along the square's.
Built squarePlusLinear(Random& r) {
    const Linear l = withOffset(r.direction(), r.offset());
    Linear m{0, 0, r.linearCoefficient()};
    while (!independent(l, m)) {
        m = {r.linearCoefficient(), r.chance(30) ? 0 : r.linearCoefficient(), m.c};
    }
    return {square(l, r.sign() * r.weight()) + linearTerm(m, 1), parabolic(),
            "square plus linear term"};
}

// w*L1*L2 = (w/4)*((L1 + L2)^2 - (L1 - L2)^2): crossing lines, zero at their crossing point.
Built crossingProduct(Random& r) {
    const Linear l1 = withOffset(r.direction(), r.offset());
    Linear l2 = withOffset(r.direction(), r.offset());
    while (!independent(l1, l2)) {
        l2 = withOffset(r.anyDirection(), l2.c);
    }
    return {product(l1, l2, r.sign() * r.weight()), central(1, -1, 0), "product of crossing lines"};
}

// w*L*(m*L + d) = w*m*(L + d/(2m))^2 - w*d^2/(4m): distinct parallel lines when d != 0, the
// double line w*m*L^2 when d = 0.
Built parallelProduct(Random& r, bool coincident) {
    const Linear l = withOffset(r.direction(), r.offset());
    const Int m = r.sign() * r.between(1, 3);
    const Int d = coincident ? 0 : r.sign() * r.between(1, 40);
    const Int w = r.sign() * r.weight();
    const Linear other{m * l.a, m * l.b, m * l.c + d};
    const int s = signOf(w * m);
    return {product(l, other, w), strip(s, l, -s * std::abs(w) * d * d, 4 * std::abs(m)),
            coincident ? "product of coincident lines" : "product of parallel lines"};
}

// One typed coefficient changed by a last-place digit, where the construction still tells
// the type: the free term shifts the value at the centre (or the strip's constant); an X^2 or
// Y^2 term added to a strip w*L^2 + value makes it central with the centre where L = 0 and
// X = 0 (Y = 0), the value unchanged; an X or Y term added to a strip makes a parabola when
// L's gradient is not along that axis.
Built neighbour(const Built& base, Random& r) {
    Built b = base;
    const Int e = r.nudge();
    const Shape& s = base.shape;
    const Int pick = r.between(0, s.form == Shape::Strip ? 4 : 0);
    if (pick == 1 && s.gradB != 0) {
        b.typed[0] += e;
        b.shape = central(s.sign1, signOf(e), s.valueNum, s.valueDen);
        b.family += ", X^2 term nudged";
    } else if (pick == 2 && s.gradA != 0) {
        b.typed[2] += e;
        b.shape = central(s.sign1, signOf(e), s.valueNum, s.valueDen);
        b.family += ", Y^2 term nudged";
    } else if (pick == 3 && s.gradB != 0) {
        b.typed[3] += e;
        b.shape = parabolic();
        b.family += ", X term nudged";
    } else if (pick == 4 && s.gradA != 0) {
        b.typed[4] += e;
        b.shape = parabolic();
        b.family += ", Y term nudged";
    } else {
        b.typed[5] += e;
        b.shape.valueNum += e * s.valueDen;
        b.family += ", free term nudged";
    }
    return b;
}

bool degenerate(const Built& b) {
    return b.shape.form == Shape::Strip ||
           (b.shape.form == Shape::Central && b.shape.valueNum == 0);
}

// Mostly a degenerate case (a point, crossing lines, a strip), where one digit matters most.
const Built& pickBase(const std::vector<Built>& bases, Random& r) {
    const Int last = static_cast<Int>(bases.size()) - 1;
    std::size_t i = r.between(0, last);
    if (r.chance(60)) {
        while (!degenerate(bases[i])) {
            i = r.between(0, last);
        }
    }
    return bases[i];
}

bool typeable(const Milli& typed) {
    for (Int t : typed) {
        if (std::abs(t) > kMaxMilli) {
            return false;
        }
    }
    return typed[0] != 0 || typed[1] != 0 || typed[2] != 0;
}

template <typename Make> void collect(std::vector<Built>& out, int count, Random& r, Make make) {
    int attempts = 0;
    for (int kept = 0; kept < count; ++attempts) {
        if (attempts > 100 * count) {
            throw std::logic_error("corpus family rejects almost every draw");
        }
        r.startCase();
        Built b = make();
        if (typeable(b.typed)) {
            out.push_back(std::move(b));
            ++kept;
        }
    }
}

// Inputs whose float arithmetic leaves rounding residues where the exact value is zero, and
// the small cases of every kind of strip and of the hyperbolas crossing the y axis.
std::vector<Built> namedCases() {
    const Linear x{1, 0, 0};
    const Linear y{0, 1, 0};
    const Linear xPlusY{1, 1, 0};
    return {
        {square({3, 0, -1}, 1000) + square({0, 3, -1}, 1000), central(1, 1, 0),
         "(3x-1)^2+(3y-1)^2"},
        {square({3, -4, 0}, 1000) + linearTerm({-20, 110, -50}, 1000), parabolic(),
         "(3x-4y)^2-20x+110y-50"},
        {square({2, 3, 0}, 25) + linearTerm(x, 1000), parabolic(), "0.025(2x+3y)^2+x"},
        {square(x, 1000) + square({0, 2, 0}, 1000) + constantTerm(-4000), central(1, 1, -4000),
         "x^2+4y^2-4"},
        {square(x, 1000) + square(y, -1000) + constantTerm(1000), central(1, -1, 1000),
         "x^2-y^2+1"},
        {product(x, y, 1000) + constantTerm(1000), central(1, -1, 1000), "xy+1"},
        {square(x, 1000) + constantTerm(-1000), strip(1, x, -1000, 1), "x^2-1"},
        {square(y, 1000) + constantTerm(-1000), strip(1, y, -1000, 1), "y^2-1"},
        {square(y, 1000), strip(1, y, 0, 1), "y^2"},
        {square(y, 1000) + constantTerm(1000), strip(1, y, 1000, 1), "y^2+1"},
        {square(x, 1000) + constantTerm(1000), strip(1, x, 1000, 1), "x^2+1"},
        {square(xPlusY, 1000) + constantTerm(1000), strip(1, xPlusY, 1000, 1), "(x+y)^2+1"},
        {square(xPlusY, 1000) + constantTerm(-1000), strip(1, xPlusY, -1000, 1), "(x+y)^2-1"},
    };
}

std::vector<Built> buildAll() {
    Random r;
    std::vector<Built> all = namedCases();
    collect(all, 3000, r, [&] { return turnedCentral(r); });
    collect(all, 1500, r, [&] { return twoSquares(r); });
    collect(all, 1500, r, [&] { return squarePlusConstant(r); });
    collect(all, 1200, r, [&] { return turnedParabola(r); });
    collect(all, 800, r, [&] { return squarePlusLinear(r); });
    collect(all, 700, r, [&] { return crossingProduct(r); });
    collect(all, 700, r, [&] { return parallelProduct(r, false); });
    collect(all, 400, r, [&] { return parallelProduct(r, true); });
    const std::vector<Built> bases = all;
    collect(all, 2500, r, [&] { return neighbour(pickBase(bases, r), r); });
    return all;
}

} // namespace

std::vector<CorpusCase> buildCorpus() {
    std::vector<CorpusCase> corpus;
    for (Built& b : buildAll()) {
        corpus.push_back({b.typed, typeOf(b.shape), std::move(b.family)});
    }
    return corpus;
}

std::string typedDecimal(std::int64_t milli) {
    std::string text = std::to_string(std::abs(milli) / 1000);
    std::string decimals = std::to_string(1000 + std::abs(milli) % 1000).substr(1);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text += "." + decimals;
    }
    return milli < 0 ? "-" + text : text;
}

const char* conicTypeName(ConicType type) {
    static const char* const kNames[kConicTypeCount] = {
        "real ellipse", "imaginary ellipse", "single point", "hyperbola", "intersecting lines",
        "parabola",     "parallel lines",    "double line",  "empty set"};
    return kNames[static_cast<int>(type)];
}
