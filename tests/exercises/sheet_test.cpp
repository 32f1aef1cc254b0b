// Exercises worked out by hand, and the sheet they stand on.

#include "document/latex_writer.h"
#include "document/mathml_writer.h"
#include "document/text_writer.h"
#include "exercises/exercise_sheet.h"
#include "exercises/seeded_random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The key of an exercise as text: its name, then its lines.
std::string keyText(const Exercise& e) {
    std::string text;
    for (const Block& block : exerciseKey(e)) {
        for (const Phrase& phrase : block.sentence) {
            text += phrase.words;
        }
        for (const Expr& line : block.display) {
            text += "\n" + textOf(line);
        }
    }
    return text;
}

struct HandWorked {
    ExerciseKind kind;
    int level;
    std::uint64_t seed;
    const char* equation; // pinned: the same seed gives it on every platform
    const char* key;      // worked out by hand from the equation
};

// For example the first: the centre solves 5x0 - 2y0 - 20 = 0, -2x0 + 2y0 + 14 = 0, so it is
// (2, -5) and the free term becomes -20*2 + 14*(-5) + 98 = -12; lambda^2 - 7 lambda + 6 = 0
// gives 6 and 1, tg phi = (6 - 5)/(-2); 6X^2 + Y^2 = 12 with the axes exchanged is
// X^2/12 + Y^2/2 = 1, c^2 = 12 - 2, e = sqrt(10)/sqrt(12). The parabola turns by tg phi = -3/4
// to 25Y^2 + 50X + 80Y - 121 = 0, that is 25(Y + 8/5)^2 + 50(X - 37/10) = 0, whose vertex
// (37/10, -8/5) turned back is (2, -7/2).
const HandWorked kHandWorked[] = {
    {ExerciseKind::Ellipse, 3, 1, "5x^2 - 4xy + 2y^2 - 40x + 28y + 98 = 0",
     "Elipsa:\nX^2/12 + Y^2/2 = 1\nC = (2, -5)\ntg phi = -1/2\ncos phi = 2*sqrt(5)/5 ~ 0.8944\n"
     "sin phi = -sqrt(5)/5 ~ -0.4472\na = 2*sqrt(3) ~ 3.464\nb = sqrt(2) ~ 1.414\n"
     "c = sqrt(a^2 - b^2) = sqrt(10) ~ 3.162\ne = c/a = sqrt(30)/6 ~ 0.9129"},
    {ExerciseKind::Hyperbola, 2, 3, "x^2 - 4xy - 2y^2 + 6 = 0",
     "Hiperbola (a realna, b imaginarna poluosa):\n-X^2/3 + Y^2/2 = 1\nC = (0, 0)\n"
     "tg phi = -1/2\ncos phi = 2*sqrt(5)/5 ~ 0.8944\nsin phi = -sqrt(5)/5 ~ -0.4472\n"
     "a = sqrt(2) ~ 1.414\nb = sqrt(3) ~ 1.732\nc = sqrt(a^2 + b^2) = sqrt(5) ~ 2.236\n"
     "e = c/a = sqrt(10)/2 ~ 1.581"},
    {ExerciseKind::Parabola, 3, 3, "9x^2 + 24xy + 16y^2 + 88x + 34y - 121 = 0",
     "Parabola:\nY^2 = -2*X\nT = (2, -7/2)\ntg phi = -3/4\ncos phi = 4/5\nsin phi = -3/5\n"
     "p = -1\ne = 1"},
    {ExerciseKind::CrossingLines, 3, 2, "8x^2 - 12xy + 3y^2 - 12x + 12y + 3 = 0",
     "Dve prave koje se seku:\nX^2 - Y^2/12 = 0\nC = (3/2, 1)\ntg phi = -2/3\n"
     "cos phi = 3*sqrt(13)/13 ~ 0.8321\nsin phi = -2*sqrt(13)/13 ~ -0.5547"},
    {ExerciseKind::ParallelLines, 1, 3, "4y^2 + 4y - 3 = 0",
     "Dve paralelne prave:\n(Y + 1/2)^2 = 1\nd = 2"},
    {ExerciseKind::Circle, 1, 3, "x^2 + y^2 + 4x - 4y + 4 = 0",
     "Kruznica:\nX^2 + Y^2 = 4\nC = (-2, 2)\nr = 2"},
};

TEST(Exercise, KeysWorkedOutByHand) {
    for (const HandWorked& h : kHandWorked) {
        const Exercise e = newExercise(h.kind, h.level, h.seed);
        EXPECT_EQ(textOf(typedEquation(e)), h.equation) << kindName(h.kind) << " " << h.seed;
        EXPECT_EQ(keyText(e), h.key) << kindName(h.kind) << " " << h.seed;
    }
}

// The first outputs of splitmix64 from the seed 0, as its author publishes them.
TEST(Exercise, DrawsFollowTheSeedOnEveryPlatform) {
    SeededRandom random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFu);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4u);
    EXPECT_EQ(random.next(), 0x06C45D188009454Fu);
}

TEST(Sheet, HoldsNoEquationTwice) {
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        const std::vector<Exercise> sheet = exerciseSheet({100, ExerciseKind::Any, 0, seed});
        std::set<std::array<long long, 6>> equations;
        for (const Exercise& e : sheet) {
            equations.insert(e.coefficients);
        }
        EXPECT_EQ(sheet.size(), 100u);
        EXPECT_EQ(equations.size(), 100u);
    }
    // In this sheet of any kind at level 2 a kind with few equations (a double line through
    // the origin) runs out: other kinds take its place.
    EXPECT_EQ(exerciseSheet({100, ExerciseKind::Any, 2, 261}).size(), 100u);
    // A double line through the origin is (-q x + p y)^2 = 0 for the 9 turns and their
    // mirror images: 18 equations, and a sheet asking for more ends there.
    EXPECT_EQ(exerciseSheet({30, ExerciseKind::DoubleLine, 2, 1}).size(), 18u);
}

// The exercises on the first page, the key on the next one, in each writer.
TEST(Sheet, PutsTheKeyAfterTheExercises) {
    const SheetRequest request{2, ExerciseKind::Hyperbola, 2, 3};
    const Document sheet = sheetDocument(request, exerciseSheet(request));
    const std::string text = textOf(sheet);
    const std::size_t exercises = text.find("1. Zadaci\nVrsta: hiperbola, nivo: 2, seme: 3.\n");
    const std::size_t first = text.find("\n1) x^2 - 4xy - 2y^2 + 6 = 0\n2) ");
    const std::size_t key = text.find("\n2. Kljuc\n1) Hiperbola");
    EXPECT_TRUE(exercises < first && first < key && key != std::string::npos) << text;

    const std::string latex = sheetLatex(request);
    EXPECT_LT(latex.find("$x^{2} - 4 x y - 2 y^{2} + 6 = 0$"), latex.find("\\newpage"));
    EXPECT_LT(latex.find("\\newpage"), latex.find("Kljuc"));
    const std::string html = sheetHtml(request);
    EXPECT_LT(html.find("<mi>x</mi><mo>&#x2062;</mo><mi>y</mi>"),
              html.find("<section style=\"break-before: page\">\n<h3>2. Kljuc</h3>"));
}

} // namespace
