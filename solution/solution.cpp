#include "solution/solution.h"

#include "exact/too_long.h"
#include "solution/solution_key.h"
#include "solution/solver.h"
#include "solution/values.h"

namespace {

const char kTitle[] = "Tacno resenje";

// The typed coefficients over one denominator: longer than this, the exact steps would take
// numbers of thousands of digits (a word of 4096 digits), far beyond any exercise.
constexpr unsigned kLongestCoefficientBits = 320;

bool typedTooLong(const ExactConic& c) {
    const Rational* fields[6] = {&c.a11, &c.a12, &c.a22, &c.a13, &c.a23, &c.a33};
    Integer common = 1;
    for (const Rational* field : fields) {
        common = lcm(common, boost::multiprecision::denominator(*field));
    }
    for (const Rational* field : fields) {
        const Integer scaled = abs(boost::multiprecision::numerator(*field)) *
                               (common / boost::multiprecision::denominator(*field));
        if (scaled != 0 && boost::multiprecision::msb(scaled) >= kLongestCoefficientBits) {
            return true;
        }
    }
    return false;
}

Document tooLong() {
    Document document{kTitle, {}};
    document.sections.push_back(
        {"Brojevi", {sentence({words("Brojevi ovog zadatka su predugi za tacan zapis.")})}});
    return document;
}

int changesOfCoordinates(const ReductionPath& path) {
    const int turned = path.rotated ? 1 : 0;
    const int exchanged = path.exchanged ? 1 : 0;
    if (path.central) {
        return 1 + turned + exchanged;
    }
    return turned + (path.ending == Ending::Parabola ? 1 + exchanged : 0);
}

// 2 a13 x + 2 a23 y + a33 = 0: a line, or nothing, or the whole plane.
void notSecondOrder(Solver& s) {
    const char* what = s.form.a13 != 0 || s.form.a23 != 0
                           ? "Jednacina nema clan drugog reda: to je prava, a ne kriva drugog reda."
                       : s.form.a33 != 0
                           ? "Jednacina nema clan drugog reda i nijedno resenje."
                           : "Jednacina nema clan drugog reda: zadovoljava je svaka tacka ravni.";
    s.add(sentence({words(what)}));
}

} // namespace

Solver::Solver(const ExactConic& conic)
    : typed(conic), invariants(conicInvariants(conic)), path(reductionPath(conic, invariants)),
      form(formOf(conic)), steps(changesOfCoordinates(path)), document{kTitle, {}} {}

Coordinates Solver::names(int index) const {
    if (index >= steps) {
        return {"X", "Y"};
    }
    const std::string primes(static_cast<std::size_t>(index), '\'');
    return {"x" + primes, "y" + primes};
}

Section& Solver::section(const std::string& title) {
    document.sections.push_back({title, {}});
    return document.sections.back();
}

namespace {

// The steps up to the canonical form, along the way of the reduction; false when the equation
// has no second-order term.
bool reducedToCanonical(Solver& s) {
    s.typedEquation();
    if (s.path.ending == Ending::NotSecondOrder) {
        return false;
    }
    s.invariantsAndKind();
    if (s.path.central) {
        s.centre();
    }
    if (s.path.rotated) {
        s.rotation();
    }
    if (s.path.ending == Ending::Parabola) {
        s.vertex();
    }
    if (s.path.exchanged) {
        s.exchange();
    }
    s.canonicalForm();
    return true;
}

} // namespace

Document exactSolution(const ExactConic& typed) {
    if (typedTooLong(typed)) {
        return tooLong();
    }
    try {
        Solver s(typed);
        if (!reducedToCanonical(s)) {
            notSecondOrder(s);
            return s.document;
        }
        s.mapBack();
        s.elements();
        return s.document;
    } catch (const NumbersTooLong&) {
        return tooLong();
    }
}

std::optional<SolutionKey> solutionKey(const ExactConic& typed) {
    if (typedTooLong(typed)) {
        return std::nullopt;
    }
    try {
        Solver s(typed);
        if (!reducedToCanonical(s)) {
            return std::nullopt;
        }
        return s.key();
    } catch (const NumbersTooLong&) {
        return std::nullopt;
    }
}
