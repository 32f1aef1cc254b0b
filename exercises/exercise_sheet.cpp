#include "exercises/exercise_sheet.h"

#include "document/latex_writer.h"
#include "document/mathml_writer.h"
#include "solution/solution_key.h"

#include <iterator>

namespace {

const std::pair<ExerciseKind, const char*> kNames[] = {
    {ExerciseKind::Ellipse, "elipsa"},
    {ExerciseKind::Circle, "kruznica"},
    {ExerciseKind::Hyperbola, "hiperbola"},
    {ExerciseKind::Parabola, "parabola"},
    {ExerciseKind::CrossingLines, "prave-koje-se-seku"},
    {ExerciseKind::ParallelLines, "paralelne-prave"},
    {ExerciseKind::DoubleLine, "dvostruka-prava"},
    {ExerciseKind::SinglePoint, "tacka"},
    {ExerciseKind::ImaginaryEllipse, "imaginarna-elipsa"},
    {ExerciseKind::EmptyPair, "imaginarne-paralelne-prave"},
    {ExerciseKind::Any, "bilo-koja"}};

// coefficient * x^i y^j as typed: "5x^2", "-4xy", "x", "80".
Expr typedTerm(long long coefficient, int xPower, int yPower) {
    const long long size = coefficient < 0 ? -coefficient : coefficient;
    std::vector<Expr> factors;
    if (size != 1 || xPower + yPower == 0) {
        factors.push_back(integer(size));
    }
    for (const auto& [name, exponent] : {std::pair{"x", xPower}, std::pair{"y", yPower}}) {
        if (exponent > 0) {
            factors.push_back(exponent == 1 ? variable(name) : power(variable(name), exponent));
        }
    }
    const Expr term = factors.size() == 1 ? factors[0] : monomial(factors);
    return coefficient < 0 ? negation(term) : term;
}

std::string settings(const SheetRequest& request) {
    const std::string level = request.level == 0 ? "bilo koji" : std::to_string(request.level);
    return std::string("Vrsta: ") + kindName(request.kind) + ", nivo: " + level +
           ", seme: " + std::to_string(request.seed) + ".";
}

} // namespace

const char* kindName(ExerciseKind kind) {
    for (const auto& [named, name] : kNames) {
        if (named == kind) {
            return name;
        }
    }
    return "";
}

std::optional<ExerciseKind> kindNamed(const std::string& name) {
    for (const auto& [kind, written] : kNames) {
        if (name == written) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string kindNames() {
    std::string names;
    for (const auto& [kind, name] : kNames) {
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return names;
}

Expr typedEquation(const Exercise& exercise) {
    const int powers[6][2] = {{2, 0}, {1, 1}, {0, 2}, {1, 0}, {0, 1}, {0, 0}};
    std::vector<Expr> terms;
    for (int i = 0; i < 6; ++i) {
        if (exercise.coefficients[i] != 0) {
            terms.push_back(typedTerm(exercise.coefficients[i], powers[i][0], powers[i][1]));
        }
    }
    return equation(sum(terms), integer(0));
}

std::vector<Block> exerciseKey(const Exercise& exercise) {
    const std::optional<SolutionKey> key = solutionKey(exactConicOf(exercise));
    if (!key) {
        return {sentence({words("Brojevi ovog zadatka su predugi za tacan zapis.")})};
    }
    return {sentence({words(key->name)}), display(key->lines)};
}

Document sheetDocument(const SheetRequest& request, const std::vector<Exercise>& exercises) {
    Section tasks{"Zadaci",
                  {sentence({words(settings(request))}),
                   sentence({words("Svedite svaku jednacinu na kanonski oblik i odredite "
                                   "elemente krive.")})}};
    Section key{"Kljuc", {}, true};
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        const std::string number = std::to_string(i + 1) + ") ";
        tasks.blocks.push_back(sentence({words(number), math(typedEquation(exercises[i]))}));
        std::vector<Block> answer = exerciseKey(exercises[i]);
        answer.front().sentence.insert(answer.front().sentence.begin(), words(number));
        key.blocks.insert(key.blocks.end(), answer.begin(), answer.end());
    }
    return {"Svodjenje krive drugog reda na kanonski oblik", {tasks, key}};
}

std::string exerciseKeyHtml(const Exercise& exercise) {
    return htmlOf(Document{"Resenje", {{"Kljuc", exerciseKey(exercise)}}});
}

std::string sheetHtml(const SheetRequest& request) {
    return htmlOf(sheetDocument(request, exerciseSheet(request)));
}

std::string sheetLatex(const SheetRequest& request) {
    return latexOf(sheetDocument(request, exerciseSheet(request)));
}
