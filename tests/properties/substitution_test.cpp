// The substitution step of a central curve is the whole equation in X' and Y': expanded by
// hand from the printed numbers, it gives the equation echoed after it, to the precision of
// the print, for every central conic of the oracle corpus.
#include "console_run.h"
#include "tests/corpus/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>

namespace {

// The values that a printed number may stand for, and what arithmetic makes of them.
struct Interval {
    double lo;
    double hi;
};

Interval operator+(Interval a, Interval b) {
    return {a.lo + b.lo, a.hi + b.hi};
}

Interval operator*(Interval a, Interval b) {
    const double p[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}

// "%5.2f" stands for anything within half a unit of its last place.
Interval printed(double value, int decimals = 2) {
    const double half = 0.5 * std::pow(10.0, -decimals);
    return {value - half, value + half};
}

const Interval kZero = {0, 0};

// X'^2, X'Y', Y'^2, X', Y' and the free term.
using Coefficients = std::array<Interval, 6>;

// "  A*(X'+x0)^2+B*(X'+x0)*(Y' +y0)" and "+C*(Y'+y0)^2[+D*(X'+x0)+E*(Y'+y0)]+F", expanded.
bool expandSubstitution(const std::string& first, const std::string& second, Coefficients& out) {
    double a, x0, b, x0again, y0, c, y0again, d = 0, x0third = 0, e = 0, y0third = 0, f;
    int end = 0;
    if (std::sscanf(first.c_str(), " %lf*(X'+%lf)^2+%lf*(X'+%lf)*(Y' +%lf)%n", &a, &x0, &b,
                    &x0again, &y0, &end) != 5 ||
        end != int(first.size())) {
        return false;
    }
    const bool linear =
        std::sscanf(second.c_str(), "+%lf*(Y'+%lf)^2+%lf*(X'+%lf)+%lf*(Y'+%lf)+%lf%n", &c, &y0again,
                    &d, &x0third, &e, &y0third, &f, &end) == 7 &&
        end == int(second.size());
    if (!linear &&
        (std::sscanf(second.c_str(), "+%lf*(Y'+%lf)^2+%lf%n", &c, &y0again, &f, &end) != 3 ||
         end != int(second.size()))) {
        return false;
    }
    const Interval A = printed(a), B = printed(b), C = printed(c), F = printed(f);
    const Interval X = printed(x0), Y = printed(y0);
    const Interval D = linear ? printed(d) : kZero, E = linear ? printed(e) : kZero;
    const Interval two = {2, 2};
    out = {A,
           B,
           C,
           two * A * X + B * Y + D,
           B * X + two * C * Y + E,
           A * X * X + B * X * Y + C * Y * Y + D * X + E * Y + F};
    return x0again == x0 && y0again == y0 && (!linear || (x0third == x0 && y0third == y0));
}

// An equation line: every term present, the others zero; a positive free term has five
// decimals.
bool readEquation(std::string line, Coefficients& out) {
    line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    static const std::regex kTerm("([+-]?[0-9]+\\.([0-9]+))(?:\\*(X\\^2|X\\*Y|Y\\^2|X|Y))?");
    static const char* const kNames[] = {"X^2", "X*Y", "Y^2", "X", "Y", ""};
    out.fill(kZero);
    std::size_t covered = 0;
    for (std::sregex_iterator t(line.begin(), line.end(), kTerm), end; t != end; ++t) {
        const std::smatch& m = *t;
        const int index = int(std::find(kNames, kNames + 6, m[3].str()) - kNames);
        out[index] = printed(std::stod(m[1].str()), int(m[2].length()));
        covered += m.length();
    }
    return covered == line.size();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// How far the expansion lies from the echo, coefficient by coefficient: the difference of the
// middles of their intervals, against what the print allows (their half widths added) and the
// float rounding of the reduction (1e-6 of the coefficient).
struct Comparison {
    bool parsed = false;
    double worstDifference = 0;
    double worstShare = 0; // of what is allowed: above 1 the two disagree
};

double middle(Interval i) {
    return (i.lo + i.hi) / 2;
}

Comparison compare(const std::string& transcript) {
    Comparison result;
    const std::vector<std::string> lines = linesOf(transcript);
    const auto step = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("<=>(translacija za vektor(", 0) == 0;
    });
    Coefficients expanded, echoed;
    if (lines.end() - step < 4 || !expandSubstitution(step[1], step[2], expanded) ||
        !readEquation(step[3], echoed)) {
        return result;
    }
    result.parsed = true;
    for (std::size_t i = 0; i < 6; ++i) {
        const double difference = std::fabs(middle(expanded[i]) - middle(echoed[i]));
        const double allowed = (expanded[i].hi - expanded[i].lo + echoed[i].hi - echoed[i].lo) / 2 +
                               1e-6 * std::fabs(middle(echoed[i]));
        result.worstDifference = std::max(result.worstDifference, difference);
        result.worstShare = std::max(result.worstShare, difference / allowed);
    }
    return result;
}

bool isCentral(ConicType type) {
    return type == ConicType::RealEllipse || type == ConicType::ImaginaryEllipse ||
           type == ConicType::SinglePoint || type == ConicType::Hyperbola ||
           type == ConicType::IntersectingLines;
}

TEST(SubstitutionProperty, TheSubstitutionExpandsToTheEquationAfterIt) {
    int cases = 0;
    int failures = 0;
    double worstDifference = 0;
    double worstShare = 0;
    for (const CorpusCase& c : buildCorpus()) {
        if (!isCentral(c.type)) {
            continue;
        }
        std::string typed;
        for (std::int64_t milli : c.typed) {
            typed += typedDecimal(milli) + " ";
        }
        const ConsoleRun run = runConsole(typed);
        const Comparison comparison = compare(run.transcript);
        ++cases;
        worstDifference = std::max(worstDifference, comparison.worstDifference);
        worstShare = std::max(worstShare, comparison.worstShare);
        if ((!comparison.parsed || comparison.worstShare > 1) && ++failures <= 10) {
            ADD_FAILURE() << typed << (comparison.parsed ? "" : ": no substitution step") << "\n"
                          << run.transcript;
        }
    }
    std::printf("substitution: %d central conics, worst difference %.3g (%.3g of what the print "
                "allows), %d failures\n",
                cases, worstDifference, worstShare, failures);
    EXPECT_GT(cases, 5000);
    EXPECT_EQ(failures, 0);
}

} // namespace
