// The exact solution: its values written as a textbook writes them, and the textbook exercises
// worked by hand, each with the lines its solution must hold.
#include "app/conic.h"
#include "app/word_reader.h"
#include "document/latex_writer.h"
#include "document/text_writer.h"
#include "solution/solution.h"
#include "solution/values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExactValues, AreSimplifiedAsATextbookWritesThem) {
    const Quadratic thirteen(0, 1, 13);
    const std::pair<Radical, const char*> values[] = {
        {Quadratic::squareRootOf(72), "6*sqrt(2)"},
        {Quadratic::squareRootOf(Rational(4, 5)), "2*sqrt(5)/5"},
        {Radical::squareRootOf(Quadratic(3, 2, 2)), "1 + sqrt(2)"},
        {Radical::squareRootOf(Quadratic(3, -1, 5)), "(sqrt(10) - sqrt(2))/2"},
        {Radical::squareRootOf(Quadratic(Rational(1, 2), Rational(3, 26), 13)),
         "sqrt((13 + 3*sqrt(13))/26)"},
        {(thirteen - 1) / 2, "(sqrt(13) - 1)/2"},
        {-(thirteen + 1) / 2, "-(1 + sqrt(13))/2"},
        {Quadratic(Rational(-2, 7)), "-2/7"},
        {Quadratic(0, 0, 5), "0"},
    };
    for (const auto& [value, text] : values) {
        EXPECT_EQ(textOf(valueOf(value)), text);
    }
    EXPECT_EQ(textOf(termOf(Quadratic(Rational(1, 9)), power(variable("X"), 2))), "X^2/9");
    EXPECT_EQ(textOf(termOf(Quadratic(Rational(2, 3)), power(variable("x"), 2))), "2*x^2/3");
    EXPECT_EQ(textOf(termOf((thirteen + 1) / 2, power(variable("X"), 2))), "(1 + sqrt(13))/2*X^2");
    EXPECT_EQ(latexOf(valueOf(Quadratic::squareRootOf(Rational(4, 5)))), "\\frac{2 \\sqrt{5}}{5}");
}

Document solutionOf(const std::string& typed) {
    Conic conic;
    ExactConic exact;
    StringSource text(typed);
    testing::internal::CaptureStdout();
    const bool read = readConic(conic, exact, text);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(read) << typed;
    return exactSolution(exact);
}

// Worked by hand; each line must stand in the text as it is.
TEST(ExactSolution, SolvesTheTextbookExercises) {
    const std::pair<const char*, std::vector<const char*>> exercises[] = {
        {"5 4 8 -32 -56 80",
         {"(x0, y0) = (2, 3)", "I3/I2 = -36", "tg 2phi = 2*a12/(a11 - a22) = -4/3",
          "tg phi = (lambda1 - a11)/a12 = -1/2", "cos phi = 2*sqrt(5)/5 ~ 0.8944",
          "sin phi = -sqrt(5)/5", "X^2/9 + Y^2/4 = 1", "c = sqrt(a^2 - b^2) = sqrt(5) ~ 2.236",
          "e = c/a = sqrt(5)/3 ~ 0.7454", "F1 = (4, 2)", "F2 = (0, 4)",
          "x = 2*sqrt(5)/5*X + sqrt(5)/5*Y + 2"}},
        {"1 2 -2 3 8 3",
         {"(x0, y0) = (-7/3, 5/6)", "I3/I2 = 17/6", "lambda1 = (sqrt(13) - 1)/2",
          "lambda2 = -(1 + sqrt(13))/2", "1 + sqrt(13))/2*Y^2 + 17/6 = 0", "    -X^2/",
          "F1 = (0, "}},
        {"1 -2 1 -4 -4 8",
         {"phi = -45 stepeni", "2*Y^2 - 4*sqrt(2)*X = 0", "Y^2 = 2*sqrt(2)*X",
          "p = sqrt(2) ~ 1.414", "T = (1, 1)", "F = (3/2, 3/2)"}},
        {"1 0 -1 3 1 2",
         {"X^2 - Y^2 = 0", "S = (-3/2, 1/2)", "(x - y + 2)*(x + y + 1) = 0", "theta = 90"}},
        {"1 0 1 -2 -4 -4", {"(x0, y0) = (1, 2)", "X^2 + Y^2 = 9", "r = 3", "C = (1, 2)"}},
        {"1 0 0 -4 0 3", {"x^2 - 4*x + 3 = 0", "(X - 2)^2 = 1", "(x - 3)*(x - 1) = 0"}},
        {"-0 2 0 0 0 -1", {"lambda^2 - 1 = 0", "X^2 - Y^2 = 1"}},
        {"1 2 1 0 0 -1", {"x + y - 1 = 0", "x + y + 1 = 0"}},
        {"1 0 1 0 0 1", {"X^2 + Y^2 = -1", "nema nijednu realnu tacku"}},
        {"1/9 0 1/4 0 0 -1", {"x^2/9 + y^2/4 - 1 = 0", "X^2/9 + Y^2/4 = 1"}},
        {"0 0 0 3 4 5", {"3*x + 4*y + 5 = 0", "to je prava"}},
        // Coefficients of 200 digits: too long to be written exactly.
        {"1 0 1 0 0 -0.12345678901234567890123456789012345678901234567890123456789012345678"
         "90123456789012345678901234567890123456789012345678901234567890123456789012345678"
         "9012345678901234567890123456789",
         {"Brojevi ovog zadatka su predugi za tacan zapis."}},
    };
    for (const auto& [typed, lines] : exercises) {
        const std::string text = textOf(solutionOf(typed));
        for (const char* line : lines) {
            EXPECT_NE(text.find(line), std::string::npos) << typed << ": " << line << "\n" << text;
        }
    }
    const std::string latex = latexOf(solutionOf("5 4 8 -32 -56 80"));
    EXPECT_NE(latex.find("\\frac{X^{2}}{9} + \\frac{Y^{2}}{4} = 1"), std::string::npos) << latex;
    EXPECT_EQ(latex.rfind("\\documentclass", 0), 0u);
}

} // namespace
