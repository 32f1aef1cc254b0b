// The exact solution over the oracle corpus: every figure and point it writes, read back by
// the test's own reader of the documented grammar, is the float reduction's to float
// precision; and, in exact arithmetic, the canonical equation carried back through the written
// map is the typed equation up to a constant factor.
#include "document/text_writer.h"
#include "exact/exact_conic.h"
#include "solution/solution.h"
#include "traced_conic.h"
#include "value_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

namespace {

// The text, section by section: the displayed lines, and the points of each frame by label.
struct SolutionText {
    std::map<std::string, std::vector<std::string>> displayed; // by section title

    std::vector<std::string> lines(const std::string& section) const {
        const auto found = displayed.find(section);
        return found == displayed.end() ? std::vector<std::string>{} : found->second;
    }
    std::map<std::string, std::string> canonicalPoints; // label -> "(x, y)"
    std::map<std::string, std::string> typedPoints;
    bool tooLong = false;
};

// "c = sqrt(a^2 - b^2) = sqrt(5) ~ 2.236" -> "c" and "sqrt(5)"
std::pair<std::string, std::string> labelAndValue(const std::string& line) {
    const std::size_t first = line.find(" = ");
    std::string value = line.substr(line.rfind(" = ") + 3);
    const std::size_t approximately = value.find(" ~ ");
    if (approximately != std::string::npos) {
        value.erase(approximately);
    }
    return {line.substr(0, first), value};
}

SolutionText readSolution(const std::string& text) {
    SolutionText s;
    s.tooLong = text.find("predugi") != std::string::npos;
    std::istringstream lines(text);
    std::string section;
    std::map<std::string, std::string>* points = nullptr;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("    ", 0) != 0) {
            const std::size_t dot = line.find(". ");
            if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                dot != std::string::npos) {
                section = line.substr(dot + 2);
            }
            points = line.rfind("Tacke u kanonskom", 0) == 0 ? &s.canonicalPoints
                     : line.rfind("i u zadatom", 0) == 0     ? &s.typedPoints
                                                             : nullptr;
            continue;
        }
        line.erase(0, 4);
        if (points != nullptr) {
            const auto [label, value] = labelAndValue(line);
            (*points)[label] = value;
        } else {
            s.displayed[section].push_back(line);
        }
    }
    return s;
}

// "(a, b)" split at its comma.
std::pair<std::string, std::string> coordinates(const std::string& tuple) {
    int depth = 0;
    for (std::size_t i = 1; i + 1 < tuple.size(); ++i) {
        depth += tuple[i] == '(' ? 1 : tuple[i] == ')' ? -1 : 0;
        if (depth == 0 && tuple[i] == ',') {
            return {tuple.substr(1, i - 1), tuple.substr(i + 2, tuple.size() - i - 3)};
        }
    }
    return {"", ""};
}

long double valueOfText(const std::string& text) {
    const std::optional<Value> v = readValue(text);
    EXPECT_TRUE(v) << "not in the grammar: " << text;
    return v ? approximately(*v) : NAN;
}

ExactConic exactConic(const Milli& typed) {
    const auto r = [&](int i, int halves) { return Rational(typed[i], 1000 * halves); };
    return {r(0, 1), r(1, 2), r(2, 1), r(3, 2), r(4, 2), r(5, 1)};
}

// How far the float reduction may stray from the exact values, relative to a figure's size.
// Each stored float is off by about 6e-8 of its magnitude; the free term of the canonical
// equation sums terms as large as S = |A| |O|^2 + 2 |b| |O| + |c| (O the centre or vertex) and
// the semi-axes follow its error over |f|; the centre is off by |A|^2 / |delta| roundings; the
// angle by about |A| / |lambda1 - lambda2|, which turns the typed points about the centre; a
// parabola's vertex moves with the rounding of the linear term along its axis, I p, which is
// small beside the linear terms |b| + |A| |O|. 1e-5 leaves a wide margin over the dozen
// roundings of a path; a wrong sign, root or axis is off by the figure's own size.
double floatSpread(const TracedConic& run) {
    const Conic& e = run.entered;
    const double quadratic =
        std::sqrt(double(e.a11) * e.a11 + 2.0 * e.a12 * e.a12 + double(e.a22) * e.a22);
    const double origin = std::hypot(run.toTyped.tx, run.toTyped.ty);
    const double terms = quadratic * origin * origin +
                         2 * std::hypot(double(e.a13), double(e.a23)) * origin +
                         std::fabs(double(e.a33));
    const double free = std::fabs(double(run.canonical.a33));
    const double eigenGap = std::hypot(double(e.a11) - e.a22, 2.0 * e.a12);
    double spread = 1;
    if (free > 0) {
        spread += terms / free;
    }
    if (e.a12 != 0.0f) {
        spread += quadratic / eigenGap;
    }
    if (run.elements.kind == Parabola) {
        const double axisTerm = std::fabs((double(e.a11) + e.a22) * run.elements.p);
        spread += (std::hypot(double(e.a13), double(e.a23)) + quadratic * origin) / axisTerm;
    }
    const double delta = std::fabs(double(e.a11) * e.a22 - double(e.a12) * e.a12);
    if (delta > 0) {
        spread += quadratic * quadratic / delta;
    }
    return 1e-5 * spread;
}

// The figures and points against the float reduction's elements; "" when all agree.
std::string figuresProblem(const SolutionText& s, const TracedConic& run) {
    const CurveElements& floats = run.elements;
    const double spread = floatSpread(run);
    const double scale = std::max(1.0, floats.size);
    std::ostringstream problem;
    const auto near = [&](long double exact, double fl, double size) {
        return std::fabs(static_cast<double>(exact) - fl) <= spread * size;
    };
    std::map<std::string, double> figures = {
        {"a", floats.a}, {"b", floats.b}, {"c", floats.c}, {"e", floats.e}, {"p", floats.p}};
    if (floats.kind == Ellipse && floats.c == 0.0) {
        figures = {{"r", floats.a}};
    }
    for (const std::string& line : s.lines("Elementi krive")) {
        const auto [label, value] = labelAndValue(line);
        if (figures.count(label) &&
            !near(valueOfText(value), figures[label], scale + std::fabs(figures[label]))) {
            problem << label << " = " << value << " against " << figures[label] << "; ";
        }
    }
    const auto checkPoints = [&](const std::map<std::string, std::string>& written, bool typed) {
        for (const ElementPoint& p : floats.points) {
            const PlanePoint fl = typed ? p.typed : p.canonical;
            const auto found = written.find(p.label);
            if (found == written.end()) {
                problem << "no point " << p.label << "; ";
                continue;
            }
            const auto [x, y] = coordinates(found->second);
            const double size = floats.size + std::hypot(fl.x, fl.y);
            if (!near(valueOfText(x), fl.x, size) || !near(valueOfText(y), fl.y, size)) {
                problem << p.label << " = " << found->second << " against (" << fl.x << ", " << fl.y
                        << "); ";
            }
        }
    };
    checkPoints(s.canonicalPoints, false);
    checkPoints(s.typedPoints, true);
    return problem.str();
}

} // namespace

namespace {

Value withOne(const Value& v, const std::string& variable) {
    if (v->op == 'v') {
        return v->text == variable ? std::make_shared<const ValueNode>(ValueNode{'n', "1", {}}) : v;
    }
    std::vector<Value> parts;
    for (const Value& part : v->parts) {
        parts.push_back(withOne(part, variable));
    }
    return std::make_shared<const ValueNode>(ValueNode{v->op, v->text, parts});
}

bool mentions(const Value& v, const std::string& variable) {
    if (v->op == 'v') {
        return v->text == variable;
    }
    for (const Value& part : v->parts) {
        if (mentions(part, variable)) {
            return true;
        }
    }
    return false;
}

// sign * sqrt(square): a coefficient of the map, possibly a root of a quadratic number.
struct Root {
    int sign = 0;
    Quadratic square = 0;
};

std::optional<Quadratic> times(const Root& a, const Root& b) {
    const std::optional<Quadratic> root = squareRootWithin(a.square * b.square);
    return root ? std::optional<Quadratic>(a.sign * b.sign * *root) : std::nullopt;
}

// x = alpha X + beta Y + gamma
struct MapLine {
    Root ofX, ofY;
    std::optional<Quadratic> shift = Quadratic(0);
};

std::optional<MapLine> mapLine(const std::string& line) {
    const std::optional<Value> right = readValue(line.substr(line.find(" = ") + 3));
    if (!right) {
        return std::nullopt;
    }
    const std::vector<Value> terms =
        (*right)->op == '+' ? (*right)->parts : std::vector<Value>{*right};
    MapLine map;
    for (const Value& term : terms) {
        for (const char* variable : {"X", "Y"}) {
            if (mentions(term, variable)) {
                const Value coefficient = withOne(term, variable);
                const std::optional<Quadratic> square = squareOf(coefficient);
                if (!square) {
                    return std::nullopt;
                }
                const int sign = approximately(coefficient) < 0 ? -1 : 1;
                (variable[0] == 'X' ? map.ofX : map.ofY) = {sign, *square};
            }
        }
        if (!mentions(term, "X") && !mentions(term, "Y")) {
            map.shift = exactly(term);
        }
    }
    return map;
}

// The typed equation in X and Y through the map, in exact arithmetic; "" when it is the
// canonical one times a constant.
std::string mapProblem(const SolutionText& s, const ExactConic& t) {
    // Without a change of coordinates the text says that X = x and Y = y.
    std::vector<std::string> map = s.lines("Veza koordinata");
    if (map.empty()) {
        map = {"x = X", "y = Y"};
    }
    const std::vector<std::string> form = s.lines("Kanonski oblik");
    if (map.size() != 2 || form.size() != 1) {
        return "no map or no canonical form";
    }
    const std::optional<MapLine> x = mapLine(map[0]);
    const std::optional<MapLine> y = mapLine(map[1]);
    const std::size_t equals = form[0].find(" = ");
    const std::optional<Value> left = readValue(form[0].substr(0, equals));
    const std::optional<Value> right = readValue(form[0].substr(equals + 3));
    if (!x || !y || !x->shift || !y->shift || !left || !right) {
        return "not read: " + map[0] + " / " + map[1] + " / " + form[0];
    }
    const std::optional<std::vector<Quadratic>> l = polynomialOf(*left);
    const std::optional<std::vector<Quadratic>> r = polynomialOf(*right);
    if (!l || !r) {
        return "not a polynomial: " + form[0];
    }
    // The typed coefficients, halved as in the record; B1, B2: the linear part at the shift.
    const Quadratic a11 = t.a11, a12 = t.a12, a22 = t.a22, a13 = t.a13, a23 = t.a23, a33 = t.a33;
    const Quadratic& g = *x->shift;
    const Quadratic& z = *y->shift;
    const Quadratic b1 = a11 * g + a12 * z + a13;
    const Quadratic b2 = a12 * g + a22 * z + a23;
    const Root &al = x->ofX, &be = x->ofY, &de = y->ofX, &ep = y->ofY;
    const auto linear = [&](const Root& u, const Root& v) -> std::optional<Quadratic> {
        if (b1 == 0 && b2 == 0) {
            return Quadratic(0);
        }
        const std::optional<Quadratic> pu = times(u, {1, 1});
        const std::optional<Quadratic> pv = times(v, {1, 1});
        return pu && pv ? std::optional<Quadratic>(2 * (*pu * b1 + *pv * b2)) : std::nullopt;
    };
    const std::optional<Quadratic> products[] = {
        times(al, al), times(al, de), times(de, de), times(al, be), times(al, ep),  times(be, de),
        times(de, ep), times(be, be), times(be, ep), times(ep, ep), linear(al, de), linear(be, ep)};
    for (const std::optional<Quadratic>& p : products) {
        if (!p) {
            return "a product of the map's coefficients is not a quadratic number";
        }
    }
    const auto& P = products;
    const Quadratic substituted[6] = {a11 * *P[0] + 2 * a12 * *P[1] + a22 * *P[2],
                                      2 * a11 * *P[3] + 2 * a12 * (*P[4] + *P[5]) + 2 * a22 * *P[6],
                                      a11 * *P[7] + 2 * a12 * *P[8] + a22 * *P[9],
                                      *P[10],
                                      *P[11],
                                      a11 * g * g + 2 * a12 * g * z + a22 * z * z + 2 * a13 * g +
                                          2 * a23 * z + a33};
    std::vector<Quadratic> canonical(6);
    for (int i = 0; i < 6; ++i) {
        canonical[i] = (*l)[i] - (*r)[i];
    }
    int lead = 0;
    while (lead < 6 && canonical[lead] == 0) {
        ++lead;
    }
    if (lead == 6) {
        return "the canonical form is 0 = 0";
    }
    const Quadratic factor = substituted[lead] / canonical[lead];
    for (int i = 0; i < 6; ++i) {
        if (substituted[i] != factor * canonical[i]) {
            return "coefficient " + std::to_string(i) + " differs: " + form[0];
        }
    }
    return factor == 0 ? "the factor is 0" : "";
}

TEST(ExactSolution, AgreesWithTheFloatReductionAndChecksItselfOverTheCorpus) {
    // Every third case: the corpus's families come round far more often than that.
    int checked = 0;
    int tooLong = 0;
    const std::vector<CorpusCase> corpus = buildCorpus();
    for (std::size_t i = 0; i < corpus.size(); i += 3) {
        const CorpusCase& c = corpus[i];
        const ExactConic exact = exactConic(c.typed);
        std::string typed;
        for (const std::int64_t milli : c.typed) {
            typed += typedDecimal(milli) + " ";
        }
        std::string text;
        try {
            text = textOf(exactSolution(exact));
        } catch (const std::exception& fault) {
            ADD_FAILURE() << typed << ": " << fault.what();
            break;
        }
        const SolutionText s = readSolution(text);
        if (s.tooLong) {
            ++tooLong;
            continue;
        }
        ++checked;
        const TracedConic run = traceConic(typedConic(c.typed));
        const bool drawn = run.elements.kind != 0;
        const std::string figures = drawn ? figuresProblem(s, run) : "";
        const std::string map = mapProblem(s, exact);
        EXPECT_TRUE(figures.empty() && map.empty())
            << c.family << " " << typed << ": " << figures << " " << map << "\n"
            << text;
        if (HasFailure()) {
            break;
        }
    }
    std::printf("exact solution: %d cases checked, %d too long to be written exactly\n", checked,
                tooLong);
    EXPECT_GT(checked, 9 * tooLong);
}

} // namespace
