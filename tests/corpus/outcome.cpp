#include "outcome.h"

#include "app/conic.h"
#include "scene/scene.h"
#include "scene_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// With no X*Y term the non-central branch keeps the typed X^2 coefficient. Otherwise it turns
// by phi, tan 2phi = 2 a12 / (a11 - a22) with 2phi in [-90, 90] degrees, so cos 2phi >= 0 and
// the new a11 = (a11 + a22)/2 + ((a11 - a22) cos 2phi)/2 + a12 sin 2phi is the larger
// eigenvalue when a11 >= a22 and the smaller one otherwise. The eigenvalues being 0 and
// I = a11 + a22, the new a11 is the nonzero one exactly as below.
bool keepsNonzeroXSquare(const Milli& typed) {
    const std::int64_t a11 = typed[0];
    const std::int64_t a22 = typed[2];
    if (typed[1] == 0) {
        return a11 != 0;
    }
    return a11 >= a22 ? a11 + a22 > 0 : a11 + a22 < 0;
}

const char* const kImaginary = "Resenje je imaginarna kriva.\n";
const char* const kTwoLines = "Dve prave. \n";
const char* const kEmptySet = "Resenje je prazan skup\n";
const char* const kLastLegend = "Ljubicasta je x-osa,a svetloplavo y.\n";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<Line> redLines() {
    std::vector<Line> red;
    for (const Line& l : sceneLines) {
        if (l.color == 0) {
            red.push_back(l);
        }
    }
    return red;
}

struct Run {
    int result;
    std::string console;
    Conic record; // the fields after the reduction
};

Run runTyped(const TypedInput& input) {
    Conic conic;
    conic.a11 = std::strtof(input[0].c_str(), nullptr);
    conic.a12 = std::strtof(input[1].c_str(), nullptr) * 0.5f;
    conic.a22 = std::strtof(input[2].c_str(), nullptr);
    conic.a13 = std::strtof(input[3].c_str(), nullptr) * 0.5f;
    conic.a23 = std::strtof(input[4].c_str(), nullptr) * 0.5f;
    conic.a33 = std::strtof(input[5].c_str(), nullptr);
    clearScene();
    testing::internal::CaptureStdout();
    const int result = conic.reduceConic();
    std::fflush(stdout);
    return {result, testing::internal::GetCapturedStdout(), conic};
}

std::string lastLine(const std::string& console) {
    const std::size_t end =
        console.empty() || console.back() != '\n' ? console.size() : console.size() - 1;
    const std::size_t start = console.rfind('\n', end == 0 ? 0 : end - 1);
    return console.substr(start == std::string::npos ? 0 : start + 1);
}

std::string describe(const Run& run) {
    std::ostringstream out;
    out << "result " << run.result << ", " << sceneSegments.size() << " segments, "
        << sceneLines.size() << " lines (" << redLines().size()
        << " red), record a11=" << run.record.a11 << " a12=" << run.record.a12
        << " a22=" << run.record.a22 << " a13=" << run.record.a13 << " a23=" << run.record.a23
        << " a33=" << run.record.a33 << ", console ends with [" << lastLine(run.console) << "]";
    return out.str();
}

// The traced points are (A (u + 1)/(2v), B (u - 1)/(2v)) (or with the roles swapped), with
// u = e^2s and v = e^s carried in float over 200 products. For them a11 x^2 + a22 y^2 + a33
// = -a33 (u/v^2 - 1) up to rounding, and u/v^2 - 1 grows steadily to 1.7e-5 at the branch ends
// (a float model of the 200 steps). A and B rounded to float, the stored coordinates and the
// squares add a few roundings of 6e-8 on each term. The residual over that bound,
// 2e-5 |a33| + 1e-6 (|a11| x^2 + |a22| y^2), is at most 1 for a point of the canonical curve;
// a point of another curve misses by a fair part of |a33|.
double hyperbolaResidual(const Conic& c, const Point& p) {
    const double x2 = double(p.x) * p.x;
    const double y2 = double(p.y) * p.y;
    const double bound = 2e-5 * std::fabs(double(c.a33)) +
                         1e-6 * (std::fabs(double(c.a11)) * x2 + std::fabs(double(c.a22)) * y2);
    return std::fabs(double(c.a11) * x2 + double(c.a22) * y2 + c.a33) / bound;
}

std::string checkHyperbola(const Run& run, double& worstResidual) {
    if (run.result != 0 || sceneSegments.size() != 400 || sceneLines.size() != 8) {
        return "not a traced hyperbola";
    }
    for (const Segment& s : sceneSegments) {
        for (const Point& p : {s.a, s.b}) {
            const double residual = hyperbolaResidual(run.record, p);
            worstResidual = std::max(worstResidual, residual);
            if (!(residual <= 1)) {
                std::ostringstream out;
                out << "hyperbola point (" << p.x << ", " << p.y
                    << ") misses the canonical equation by " << residual
                    << " times the rounding bound";
                return out.str();
            }
        }
    }
    return "";
}

bool sameSign(float a, float b) {
    return (a > 0 && b > 0) || (a < 0 && b < 0);
}

bool oppositeSigns(float a, float b) {
    return (a > 0 && b < 0) || (a < 0 && b > 0);
}

// The record handed to the tracing is the canonical equation of its kind. Fields that vanish
// are exact zeros: those the steps set to zero, and those the exact decision says are zero
// (the rotated zero eigenvalue, the linear term along its axis, the free term at the centre
// of a point or of crossing lines, the terms a parabola's vertex move removes).
bool isCanonicalRecord(const Conic& c, Outcome kind) {
    const bool centred = c.a12 == 0 && c.a13 == 0 && c.a23 == 0;
    switch (kind) {
    case Outcome::TracedEllipse:
        return centred && sameSign(c.a11, c.a22) && oppositeSigns(c.a11, c.a33) && c.a11 <= c.a22;
    case Outcome::TracedHyperbola:
        return centred && oppositeSigns(c.a11, c.a22) && c.a33 != 0;
    case Outcome::NothingTraced:
        return centred && sameSign(c.a11, c.a22) && c.a33 == 0;
    case Outcome::TracedCrossingLines:
        return centred && oppositeSigns(c.a11, c.a22) && c.a33 == 0;
    case Outcome::TracedParabola:
        return c.a11 == 0 && c.a12 == 0 && c.a23 == 0 && c.a33 == 0 && c.a22 != 0 && c.a13 != 0;
    case Outcome::TracedParallelLines:
    case Outcome::TracedDoubleLine:
        return c.a11 == 0 && c.a12 == 0 && c.a13 == 0 && c.a22 != 0;
    default:
        return true;
    }
}

// Two red lines through the origin, directions (1, s) and (1, -s) with a11 + a22 s^2 = 0 up
// to the rounding of s = sqrt(|a11/a22|) (a few float roundings, far below 1e-6).
std::string checkCrossingLines(const Run& run) {
    const std::vector<Line> red = redLines();
    if (run.result != 0 || !sceneSegments.empty() || sceneLines.size() != 10 || red.size() != 2) {
        return "not two traced crossing lines";
    }
    for (const Line& l : red) {
        const double s = double(l.direction.y) / l.direction.x;
        const double a11 = run.record.a11;
        const double a22 = run.record.a22;
        if (l.point.x != 0 || l.point.y != 0 || !(l.direction.x > 0) ||
            !(std::fabs(a11 + a22 * s * s) <= 1e-6 * (std::fabs(a11) + std::fabs(a22) * s * s))) {
            return "a red line is not one of the canonical pair through the origin";
        }
    }
    const double slope0 = double(red[0].direction.y) / red[0].direction.x;
    const double slope1 = double(red[1].direction.y) / red[1].direction.x;
    if (slope0 != -slope1 || slope0 == 0) {
        return "the red lines do not have opposite slopes";
    }
    return "";
}

// count red lines parallel to the x axis at distinct heights, after the eight frame axes.
std::string checkHorizontalLines(const Run& run, std::size_t count) {
    const std::vector<Line> red = redLines();
    if (run.result != 0 || !sceneSegments.empty() || sceneLines.size() != 8 + count ||
        red.size() != count) {
        return "not the traced line kind";
    }
    for (const Line& l : red) {
        if (l.direction.y != 0 || l.direction.x == 0) {
            return "a red line is not parallel to the x axis";
        }
    }
    if (count == 2 && red[0].point.y == red[1].point.y) {
        return "the two parallel lines coincide";
    }
    return "";
}

std::string checkMessage(const Run& run, const char* message) {
    if (run.result != 1 || !endsWith(run.console, message) || !sceneSegments.empty() ||
        !sceneLines.empty()) {
        return std::string("expected the message [") + message + "] and result 1";
    }
    return "";
}

std::string checkTraced(const Run& run, Outcome expected, double& worstResidual) {
    if (run.result == 0 && !sceneLines.empty() && !endsWith(run.console, kLastLegend)) {
        return "the frame legends are not the last output";
    }
    switch (expected) {
    case Outcome::TracedEllipse:
        return run.result == 0 && sceneSegments.size() == 100 && sceneLines.size() == 8 &&
                       run.console.find("Brojevi ") != std::string::npos
                   ? ""
                   : "not a traced ellipse";
    case Outcome::TracedHyperbola:
        return checkHyperbola(run, worstResidual);
    case Outcome::TracedParabola:
        return run.result == 0 && sceneSegments.size() == 200 && sceneLines.size() == 8
                   ? ""
                   : "not a traced parabola";
    case Outcome::TracedCrossingLines:
        return checkCrossingLines(run);
    case Outcome::TracedParallelLines:
        return checkHorizontalLines(run, 2);
    case Outcome::TracedDoubleLine:
        return checkHorizontalLines(run, 1);
    default:
        return "not a traced outcome";
    }
}

std::string checkOutcome(const Run& run, Outcome expected, double& worstResidual) {
    if (run.result == 0 && !isCanonicalRecord(run.record, expected)) {
        return "the record is not the canonical equation of the expected kind";
    }
    switch (expected) {
    case Outcome::ImaginaryMessage:
        return checkMessage(run, kImaginary);
    case Outcome::TwoLinesMessage:
        return checkMessage(run, kTwoLines);
    case Outcome::EmptySetMessage:
        return checkMessage(run, kEmptySet);
    case Outcome::NothingTraced:
        return run.result == 0 && sceneSegments.empty() && sceneLines.empty()
                   ? ""
                   : "expected result 0 and an empty scene";
    default:
        return checkTraced(run, expected, worstResidual);
    }
}

} // namespace

Outcome expectedOutcome(const CorpusCase& c) {
    const bool twoLinesPath = keepsNonzeroXSquare(c.typed);
    switch (c.type) {
    case ConicType::RealEllipse:
        return Outcome::TracedEllipse;
    case ConicType::ImaginaryEllipse:
        return Outcome::ImaginaryMessage;
    case ConicType::SinglePoint:
        return Outcome::NothingTraced;
    case ConicType::Hyperbola:
        return Outcome::TracedHyperbola;
    case ConicType::IntersectingLines:
        return Outcome::TracedCrossingLines;
    case ConicType::Parabola:
        return Outcome::TracedParabola;
    case ConicType::ParallelLines:
        return twoLinesPath ? Outcome::TwoLinesMessage : Outcome::TracedParallelLines;
    case ConicType::DoubleLine:
        return twoLinesPath ? Outcome::TwoLinesMessage : Outcome::TracedDoubleLine;
    case ConicType::EmptySet:
        break;
    }
    return Outcome::EmptySetMessage;
}

const char* outcomeName(Outcome outcome) {
    static const char* const kNames[] = {"traced ellipse",
                                         "\"Resenje je imaginarna kriva.\"",
                                         "single point (nothing traced)",
                                         "traced hyperbola",
                                         "traced parabola",
                                         "traced crossing lines",
                                         "traced parallel lines",
                                         "traced double line",
                                         "\"Dve prave. \"",
                                         "\"Resenje je prazan skup\""};
    return kNames[static_cast<int>(outcome)];
}

TypedInput typedInput(const Milli& typed, const std::string& exponent) {
    TypedInput input;
    for (std::size_t i = 0; i < input.size(); ++i) {
        input[i] = typedDecimal(typed[i]) + exponent;
    }
    return input;
}

std::string checkRun(const TypedInput& input, Outcome expected, double& worstResidual) {
    const Run run = runTyped(input);
    std::string problem;
    if (!sceneIsFinite()) {
        problem = "a traced coordinate is not finite";
    } else {
        problem = checkOutcome(run, expected, worstResidual);
    }
    return problem.empty() ? "" : problem + "; seen: " + describe(run);
}
