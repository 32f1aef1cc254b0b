#include "exercises/exercise_generator.h"

#include "exercises/seeded_random.h"

#include <iterator>
#include <optional>
#include <set>

namespace {

// x^2 xy y^2 x y 1: the terms of an equation, in exact numbers while it is built.
struct Terms {
    Rational x2, xy, y2, x, y, constant;
};

// cos phi : sin phi = along : across.
struct Turn {
    long long along;
    long long across;
};

// tg phi = 1/2, 1/3, 2/3, 1/4, 3/4, 1/5, 2/5, 3/5, 4/5: within 45 degrees, so that the reduction
// turns by this very angle; 4 : 3 alone has a rational cos and sin (4/5, 3/5).
const Turn kTurns[] = {{2, 1}, {3, 1}, {3, 2}, {4, 1}, {4, 3}, {5, 1}, {5, 2}, {5, 3}, {5, 4}};
const Turn kRationalTurn = {4, 3};

// The attempts at one exercise before the sheet gives up on a new equation, and the kinds
// drawn in turn where any kind will do.
constexpr int kAttempts = 4000;
constexpr int kKindDraws = 20;

Rational magnitude(const Rational& value) {
    return value < 0 ? Rational(-value) : value;
}

// -5 to 5 in halves.
Rational halfStep(SeededRandom& random) {
    return Rational(random.between(-10, 10), 2);
}

Rational nonzeroHalfStep(SeededRandom& random) {
    Rational value = 0;
    while (value == 0) {
        value = halfStep(random);
    }
    return value;
}

int drawnSign(SeededRandom& random) {
    return random.below(2) == 0 ? 1 : -1;
}

// A whole number from least to most with a drawn sign. The sign is drawn first, in a
// statement of its own: the order of the operands of one expression is the compiler's, and
// the page's compiler would draw them the other way round.
int signedBetween(SeededRandom& random, int least, int most) {
    const int sign = drawnSign(random);
    return sign * random.between(least, most);
}

// The same curve in x, y when the terms are in u = x - x0, v = y - y0.
Terms moved(const Terms& t, const Rational& x0, const Rational& y0) {
    return {t.x2,
            t.xy,
            t.y2,
            t.x - 2 * t.x2 * x0 - t.xy * y0,
            t.y - 2 * t.y2 * y0 - t.xy * x0,
            t.x2 * x0 * x0 + t.xy * x0 * y0 + t.y2 * y0 * y0 - t.x * x0 - t.y * y0 + t.constant};
}

// A turn: none at level 1; with a rational cos and sin where the curve has no centre, so that
// its vertex and lines keep rational numbers.
Turn drawnTurn(SeededRandom& random, int level, bool anyTurn) {
    if (level == 1) {
        return {1, 0};
    }
    const Turn turn =
        anyTurn ? kTurns[random.below(static_cast<int>(std::size(kTurns)))] : kRationalTurn;
    return {turn.along, drawnSign(random) * turn.across};
}

void drawnCentre(SeededRandom& random, ExerciseRecord& record) {
    if (record.level == 2) {
        return;
    }
    while (record.x0 == 0 && record.y0 == 0) {
        record.x0 = halfStep(random);
        record.y0 = halfStep(random);
    }
}

bool sameSign(long long a, long long b) {
    return (a > 0) == (b > 0);
}

long long lcmOf(long long a, long long b) {
    const Integer common = lcm(Integer(a < 0 ? -a : a), Integer(b < 0 ? -b : b));
    return static_cast<long long>(common);
}

// lambda1 X^2 + lambda2 Y^2 + f = 0, with X along the turn: the quadratic part
// lambda2 I + k (along, across)(along, across)^T has the eigenvalues lambda2 and
// lambda1 = lambda2 + k (along^2 + across^2), and whole entries. The free term makes a^2 and b^2
// whole numbers. False when the draw does not give the kind.
bool centralTerms(SeededRandom& random, ExerciseRecord& r, Terms& terms) {
    const long long n2 = r.along * r.along + r.across * r.across;
    long long lambda2 = 1;
    long long k = 0;
    long long free = 0;
    if (r.kind == ExerciseKind::Circle) {
        free = -random.between(1, 25);
    } else {
        lambda2 = signedBetween(random, 1, 9);
        k = signedBetween(random, 1, 3);
    }
    const long long lambda1 = lambda2 + k * n2;
    const bool definite = lambda1 != 0 && sameSign(lambda1, lambda2);
    const long long scale = lcmOf(lambda1 == 0 ? 1 : lambda1, lambda2) * random.between(1, 4);
    switch (r.kind) {
    case ExerciseKind::Ellipse:
        free = lambda1 > 0 ? -scale : scale;
        break;
    case ExerciseKind::ImaginaryEllipse:
        free = lambda1 > 0 ? scale : -scale;
        break;
    case ExerciseKind::Hyperbola:
        free = drawnSign(random) * scale;
        break;
    default:
        break;
    }
    const bool wantsDefinite =
        r.kind != ExerciseKind::Hyperbola && r.kind != ExerciseKind::CrossingLines;
    if (lambda1 == 0 || definite != wantsDefinite) {
        return false;
    }
    terms = {lambda2 + k * r.along * r.along,
             2 * k * r.along * r.across,
             lambda2 + k * r.across * r.across,
             0,
             0,
             free};
    const Rational alongX = magnitude(Rational(free) / lambda1);
    const Rational alongY = magnitude(Rational(free) / lambda2);
    // The reduction ends an ellipse with its larger semi-axis along X.
    const bool larger = r.kind != ExerciseKind::Ellipse || alongX >= alongY;
    r.a2 = larger ? alongX : alongY;
    r.b2 = larger ? alongY : alongX;
    r.ratio = Rational(lambda2) / lambda1;
    return true;
}

// Y^2 = 2 p X with X = (along u + across v)/n, Y = (-across u + along v)/n, times n^2.
Terms parabolaTerms(SeededRandom& random, ExerciseRecord& r) {
    const int halves = random.between(1, 20);
    r.p = drawnSign(random) * Rational(halves, 2);
    const long long n = r.across == 0 ? 1 : 5;
    return {r.across * r.across,    -2 * r.along * r.across, r.along * r.along,
            -2 * r.p * n * r.along, -2 * r.p * n * r.across, 0};
}

// (Y - middle)^2 = halfWidth2 with Y = (-across x + along y)/n, times n^2.
Terms linePairTerms(SeededRandom& random, ExerciseRecord& r) {
    if (r.level != 2) {
        r.middle = nonzeroHalfStep(random);
    }
    const Rational width = Rational(random.between(1, 10), 2);
    r.halfWidth2 = r.kind == ExerciseKind::ParallelLines ? width * width
                   : r.kind == ExerciseKind::EmptyPair   ? Rational(-width * width)
                                                         : Rational(0);
    const long long n2 = r.along * r.along + r.across * r.across;
    // n m where the turn is rational; 0 at level 2, whatever the turn.
    const Rational nm = r.middle * (r.across == 0 ? 1 : 5);
    return {r.across * r.across, -2 * r.along * r.across, r.along * r.along,
            2 * nm * r.across,   -2 * nm * r.along,       nm * nm - n2 * r.halfWidth2};
}

bool isCentral(ExerciseKind kind) {
    return kind != ExerciseKind::Parabola && kind != ExerciseKind::ParallelLines &&
           kind != ExerciseKind::DoubleLine && kind != ExerciseKind::EmptyPair;
}

// The least whole coefficients of the equation, the first one positive.
std::array<long long, 6> wholeCoefficients(const Terms& t) {
    const Rational* terms[6] = {&t.x2, &t.xy, &t.y2, &t.x, &t.y, &t.constant};
    Integer denominators = 1;
    Integer numerators = 0;
    for (const Rational* term : terms) {
        denominators = lcm(denominators, boost::multiprecision::denominator(*term));
        numerators = gcd(numerators, boost::multiprecision::numerator(*term));
    }
    std::array<long long, 6> whole{};
    int sign = 0;
    for (int i = 0; i < 6; ++i) {
        const Rational scaled = *terms[i] * Rational(denominators) / Rational(numerators);
        if (sign == 0 && scaled != 0) {
            sign = scaled > 0 ? 1 : -1;
        }
        // Larger than the bounds allow is marked as such rather than cut to a long long.
        const Integer value = boost::multiprecision::numerator(scaled);
        whole[i] = abs(value) > kLargestCoefficient ? kLargestCoefficient + 1
                                                    : sign * static_cast<long long>(value);
    }
    return whole;
}

bool withinBounds(const std::array<long long, 6>& c) {
    for (int i = 0; i < 6; ++i) {
        const long long size = c[i] < 0 ? -c[i] : c[i];
        if (size > (i < 3 ? kLargestSquareCoefficient : kLargestCoefficient)) {
            return false;
        }
    }
    return true;
}

// One draw of the numbers of an exercise of the record's kind and level.
bool drawnExercise(SeededRandom& random, Exercise& exercise) {
    ExerciseRecord& r = exercise.record;
    const ExerciseKind kind = r.kind;
    const int level = r.level;
    r = ExerciseRecord();
    r.kind = kind;
    r.level = level;
    const bool central = isCentral(r.kind);
    const bool linePair = !central && r.kind != ExerciseKind::Parabola;
    const Turn turn = drawnTurn(random, r.level, central || (linePair && r.level == 2));
    r.along = turn.along;
    r.across = turn.across;
    Terms terms;
    if (central) {
        if (!centralTerms(random, r, terms)) {
            return false;
        }
    } else {
        terms =
            r.kind == ExerciseKind::Parabola ? parabolaTerms(random, r) : linePairTerms(random, r);
    }
    if (!linePair) {
        drawnCentre(random, r);
        terms = moved(terms, r.x0, r.y0);
    }
    exercise.coefficients = wholeCoefficients(terms);
    return withinBounds(exercise.coefficients);
}

const ExerciseKind kKinds[] = {ExerciseKind::Ellipse,          ExerciseKind::Circle,
                               ExerciseKind::Hyperbola,        ExerciseKind::Parabola,
                               ExerciseKind::CrossingLines,    ExerciseKind::ParallelLines,
                               ExerciseKind::DoubleLine,       ExerciseKind::SinglePoint,
                               ExerciseKind::ImaginaryEllipse, ExerciseKind::EmptyPair};

ExerciseRecord drawnKindAndLevel(SeededRandom& random, ExerciseKind kind, int level) {
    ExerciseRecord record;
    record.level = level != 0 ? level : kind == ExerciseKind::Circle ? 1 : random.between(1, 3);
    record.kind = kind;
    // The circle stands among the kinds of level 1 only.
    const int kinds = static_cast<int>(std::size(kKinds));
    while (record.kind == ExerciseKind::Any) {
        const ExerciseKind drawn = kKinds[random.below(kinds)];
        record.kind = kindHasLevel(drawn, record.level) ? drawn : ExerciseKind::Any;
    }
    return record;
}

// An exercise of the record's kind and level whose equation is not yet on the sheet.
std::optional<Exercise> newOnSheet(SeededRandom& random, const ExerciseRecord& record,
                                   std::set<std::array<long long, 6>>& written) {
    Exercise exercise;
    exercise.record = record;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (drawnExercise(random, exercise) && written.insert(exercise.coefficients).second) {
            return exercise;
        }
    }
    return std::nullopt;
}

} // namespace

bool kindHasLevel(ExerciseKind kind, int level) {
    return level == 0 || level == 1 || ((level == 2 || level == 3) && kind != ExerciseKind::Circle);
}

std::vector<Exercise> exerciseSheet(const SheetRequest& request) {
    SeededRandom random(request.seed);
    std::vector<Exercise> sheet;
    std::set<std::array<long long, 6>> written;
    // A kind or level drawn for "any" that has no new equation left (a double line through the
    // origin has 18) gives way to another draw.
    const bool drawn = request.kind == ExerciseKind::Any || request.level == 0;
    for (int i = 0; i < request.count; ++i) {
        std::optional<Exercise> exercise;
        for (int draw = 0; draw < (drawn ? kKindDraws : 1) && !exercise; ++draw) {
            const ExerciseRecord record = drawnKindAndLevel(random, request.kind, request.level);
            exercise = newOnSheet(random, record, written);
        }
        if (!exercise) {
            break;
        }
        sheet.push_back(*exercise);
    }
    return sheet;
}

Exercise newExercise(ExerciseKind kind, int level, std::uint64_t seed) {
    return exerciseSheet({1, kind, level, seed}).front();
}

ExactConic exactConicOf(const Exercise& exercise) {
    const std::array<long long, 6>& c = exercise.coefficients;
    return {c[0], Rational(c[1], 2), c[2], Rational(c[3], 2), Rational(c[4], 2), c[5]};
}
