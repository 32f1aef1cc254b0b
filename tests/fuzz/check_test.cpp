// The checks of the fuzz target must pass the program's real output and catch what is not
// its own; the transcripts here are worked out by hand from the output formats.
#include "console_check.h"
#include "console_run.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const std::string kPrompts = "Unesite koeficijent uz X^2\n"
                             "Unesite koeficijent ux XY\n"
                             "Unesite koeficijent ux Y^2\n"
                             "Unesite koeficijent ux X\n"
                             "Unesite koeficijent ux Y\n"
                             "Unesite slobodan clan\n";

const std::string kLegends = "Zeleno je x-osa, plavo y.\n"
                             "Zeleno je x-osa, plavo y.\n"
                             "Zuto je x-osa,a narandzasto y.\n"
                             "Ljubicasta je x-osa,a svetloplavo y.\n";

// X^2 + 4 Y^2 - 4 = 0.
const std::string kEllipseSteps = " 1.00*X^2 + 4.00*Y^2 -4.00 \n"
                                  "<=>(translacija za vektor( 0.00, 0.00))\n"
                                  "  1.00*(X'+ 0.00)^2+ 0.00*(X'+ 0.00)*(Y' + 0.00)\n"
                                  "+ 4.00*(Y'+ 0.00)^2+-4.00\n"
                                  " 1.00*X^2 + 4.00*Y^2 -4.00 \n";
const std::string kEllipse = kPrompts + kEllipseSteps + "Brojevi 2.000000 i 1.000000" + kLegends;

// X*Y - 1 = 0: the centre is (-0, -0) (0 divided by det = -0.25), the axes turn by 45 degrees.
const std::string kHyperbola =
    kPrompts +
    "+ 1.00*X*Y -1.00 \n"
    "<=>(translacija za vektor(-0.00,-0.00))\n"
    "  0.00*(X'+-0.00)^2+ 1.00*(X'+-0.00)*(Y' +-0.00)\n"
    "+ 0.00*(Y'+-0.00)^2+-1.00\n"
    "+ 1.00*X*Y -1.00 \n"
    "<=> (rotacija za ugao 45.00)\n"
    "( 0.00*(cos45.00 )^2+ 1.00*cos45.00*sin45.00+ 0.00*(sin 45.00)^2)*X'^2\n"
    "( 0.00*(sin45.00 )^2- 1.00*cos45.00*sin45.00+ 0.00*(cos45.00)^2)*Y'^2\n"
    "+-1.00\n"
    " 0.50*X^2 -0.50*Y^2 -1.00 \n" +
    kLegends;

// X^2 - 4 Y = 0: the vertex path, then the axes exchanged.
const std::string kParabola = kPrompts +
                              " 1.00*X^2 -4.00*Y \n"
                              " 1.00*(X' +-0.00)^2+ 0.00*(X' + -0.00)\n"
                              "+-4.00*(Y' + -0.00)+ 0.00\n"
                              " 1.00*X^2 -4.00*Y \n"
                              "<=>(Potrebno je izvrsiti refleksiju)\n"
                              "+ 1.00*Y^2 -4.00*X \n" +
                              kLegends;

// A free term that overflows in the translation step: the echo and one line, no step.
const std::string kTooLarge = "Brojevi su preveliki za svodjenje na kanonski oblik.\n";
const std::string kOverflow =
    kPrompts + " 1.00*X^2 + 1.00*Y^2 +300000000549775575777803994281145270272.00*X \n" + kTooLarge;

// (x - 1)^2 - (y - 2)^2 = 1: the substitution shows the linear terms.
const std::string kTranslatedSteps = " 1.00*X^2 -1.00*Y^2 -2.00*X + 4.00*Y -4.00 \n"
                                     "<=>(translacija za vektor( 1.00, 2.00))\n"
                                     "  1.00*(X'+ 1.00)^2+ 0.00*(X'+ 1.00)*(Y' + 2.00)\n"
                                     "+-1.00*(Y'+ 2.00)^2+-2.00*(X'+ 1.00)+ 4.00*(Y'+ 2.00)+-4.00\n"
                                     " 1.00*X^2 -1.00*Y^2 -1.00 \n";

// "1 abc" and a 50-letter word, each asked for again; then the input ends.
const std::string kRefused = "Unesite koeficijent uz X^2\n"
                             "Unesite koeficijent ux XY\n"
                             "\"abc\" nije broj.\n"
                             "Unesite koeficijent ux XY\n"
                             "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" nije broj.\n"
                             "Unesite koeficijent ux XY\n";
const std::string kEndOfInput = "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n";
const std::string kTooManyUnreadable = "Unos se prekida: 100 reci zaredom nisu brojevi.\n";

// An equation at the first prompt, refused once and then read: x^2 + 4y^2 = 4.
const std::string kEquation =
    "Unesite koeficijent uz X^2\n"
    "Red je procitan kao cela jednacina.\n"
    "Na mestu 7: nepoznato slovo \"z\" (promenljive su x i y).\n"
    "Unesite koeficijent uz X^2\n"
    "Red je procitan kao cela jednacina.\n"
    "Koeficijenti: uz X^2 = 1, uz XY = 0, uz Y^2 = 4, uz X = 0, uz Y = 0, slobodan clan = -4\n" +
    kEllipseSteps + "Brojevi 2.000000 i 1.000000" + kLegends;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(TranscriptCheck, PassesTheProgramsOwnOutput) {
    EXPECT_EQ(checkTranscript(kEllipse, 0, true, true), "");
    EXPECT_EQ(checkTranscript(kHyperbola, 0, true, false), "");
    EXPECT_EQ(checkTranscript(kParabola, 0, true, false), "");
    // A single point: the steps only, result 0, nothing traced.
    EXPECT_EQ(checkTranscript(kPrompts + kEllipseSteps, 0, false, false), "");
    EXPECT_EQ(
        checkTranscript(kPrompts + "Ono sto ste uneli nije kriva drugog reda!", 1, false, false),
        "");
    EXPECT_EQ(checkTranscript(kPrompts + kEllipseSteps + "Resenje je imaginarna kriva.\n", 1, false,
                              false),
              "");
    EXPECT_EQ(checkTranscript(kOverflow, 1, false, false), "");
    EXPECT_EQ(checkTranscript(kPrompts + kTranslatedSteps + kLegends, 0, true, false), "");
    // Refused words, then a reading that stops before six numbers.
    EXPECT_EQ(checkTranscript(kRefused + kEndOfInput, 1, false, false), "");
    EXPECT_EQ(checkTranscript(kRefused.substr(0, kRefused.rfind("Unesite")) + kTooManyUnreadable, 1,
                              false, false),
              "");
    // The silent rest of an endless word made up the unreadable words (konika < /dev/zero).
    EXPECT_EQ(checkTranscript(kRefused + kTooManyUnreadable, 1, false, false), "");
    EXPECT_EQ(checkTranscript(kPrompts.substr(0, kPrompts.find("Unesite koeficijent ux Y^2")) +
                                  kEndOfInput,
                              1, false, false),
              "");
}

TEST(TranscriptCheck, RejectsTextThatIsNotTheProgramsOwn) {
    const std::string broken[] = {
        replaced(kEllipse, "plavo y.", "plava y."),
        replaced(kEllipse, "<=>(translacija", "<=> (translacija"),
        replaced(kEllipse, "+-4.00\n", "+-nan\n"),
        replaced(kEllipse, "+-4.00\n", "+  inf\n"),
        replaced(kEllipse, " 4.00*(Y'", " 4.0*(Y'"),
        replaced(kEllipse, " 4.00*(Y'", "4.00*(Y'"),
        replaced(kEllipse, "4.00*Y^2 -4.00", "-4.00*Y^2 -4.00"), // "+" before a negative
        replaced(kEllipse, "4.00*Y^2 -4.00", "4.00*Y^2 +4.00"),  // five decimals when positive
        replaced(kEllipse, "4.00*Y^2 -4.00 ", "4.00*Y^2 -4.00 -2.00*X "), // X after the free term
        replaced(kEllipse, "Brojevi 2.000000 i 1.000000", "Brojevi 2.00 i 1.00"),
        replaced(kEllipse, "Brojevi 2.000000 i 1.000000", ""),
        replaced(kEllipse, "Unesite koeficijent ux Y\n", ""),
        replaced(kEllipse, "<=>(translacija", "1 0 4 0 0 -4\n<=>(translacija"),
        replaced(kEllipse, "Zuto", "Resenje je imaginarna kriva.\nZuto"),
        kEllipse.substr(0, kEllipse.size() - 1),
        kEllipse + "Zeleno je x-osa, plavo y.\n",
        kEllipse + "\n",
    };
    for (const std::string& text : broken) {
        EXPECT_NE(checkTranscript(text, 0, true, true), "") << text;
    }
    // Legends without a traced curve, a traced curve without them, the semi-axes of a curve
    // that is not an ellipse, a message with the result 0, output after a non-finite echo.
    EXPECT_NE(checkTranscript(kEllipse, 0, false, false), "");
    EXPECT_NE(checkTranscript(kPrompts + kEllipseSteps, 0, true, false), "");
    EXPECT_NE(checkTranscript(kEllipse, 0, true, false), "");
    EXPECT_NE(checkTranscript(kPrompts + kEllipseSteps + "Dve prave. \n", 0, false, false), "");
    EXPECT_NE(checkTranscript(kPrompts + "  nan*X^2 + 1.00*Y^2 -1.00 \n", 1, false, false), "");
    EXPECT_NE(checkTranscript(kOverflow + kLegends, 0, true, false), "");
    EXPECT_NE(checkTranscript(kOverflow + "+-1.00\n", 1, false, false), "");
    EXPECT_NE(checkTranscript(replaced(kOverflow, "+300", "+  inf*Y^2 +300"), 1, false, false), "");
    // A refused word not asked for again, quoted past 40 characters, an unknown reason, a
    // reading that stops and goes on.
    const std::string refusedBroken[] = {
        replaced(kRefused, "nije broj.\nUnesite koeficijent ux XY\n\"x", "nije broj.\n\"x"),
        replaced(kRefused, "xxx...", "xxxx..."),
        replaced(kRefused, "nije broj", "nije ceo broj"),
        kRefused + kEndOfInput + "Unesite koeficijent ux Y^2\n",
    };
    for (const std::string& text : refusedBroken) {
        EXPECT_NE(checkTranscript(text + kEndOfInput, 1, false, false), "") << text;
    }
    EXPECT_NE(checkTranscript(kRefused + kEndOfInput, 0, true, false), "");
    EXPECT_NE(
        checkTranscript(kPrompts + "Ono sto ste uneli nije kriva drugog reda!\n", 1, false, false),
        "");
}

TEST(TranscriptCheck, PassesAnEquationAtTheFirstPromptOnly) {
    EXPECT_EQ(checkTranscript(kEquation, 0, true, true), "");
    const std::string broken[] = {
        replaced(kEquation, "uz Y^2 = 4,", "uz Y^2 = 4.0,"),
        replaced(kEquation, "uz Y = 0, slobodan", "slobodan"),
        replaced(kEquation, "(promenljive su x i y).\nUnesite koeficijent uz X^2\n",
                 "(promenljive su x i y).\n"),
        replaced(kEquation, "Na mestu 7: nepoznato", "Na mestu 0: nepoznato"),
        replaced(kEquation, "Koeficijenti:", "Unesite koeficijent ux XY\nKoeficijenti:"),
        replaced(kEquation, "Red je procitan kao cela jednacina.\nKoeficijenti", "Koeficijenti"),
    };
    for (const std::string& text : broken) {
        EXPECT_NE(checkTranscript(text, 0, true, true), "") << text;
    }
}

class SceneCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        const ConsoleRun run = runConsole("1 0 4 0 0 -4");
        ASSERT_EQ(run.result, 0);
        ASSERT_EQ(checkScene(run.result), "");
    }
    void TearDown() override { clearScene(); }
};

TEST_F(SceneCheck, RejectsACoordinateThatIsNotFinite) {
    sceneSegments[7].b.y = std::numeric_limits<float>::quiet_NaN();
    EXPECT_NE(checkScene(0), "");
}

TEST_F(SceneCheck, RejectsAnInfiniteLine) {
    sceneLines[3].direction.x = std::numeric_limits<float>::infinity();
    EXPECT_NE(checkScene(0), "");
}

TEST_F(SceneCheck, RejectsShapesWithTheResultOneOrAResultBesidesZeroAndOne) {
    EXPECT_NE(checkScene(1), "");
    EXPECT_NE(checkScene(2), "");
    clearScene();
    EXPECT_EQ(checkScene(1), "");
    EXPECT_NE(checkScene(-1), "");
}

TEST_F(SceneCheck, RejectsMoreThanOneCurve) {
    sceneSegments.push_back(sceneSegments.front());
    EXPECT_NE(checkScene(0), "");
    sceneSegments.resize(100);
    sceneLines.push_back(sceneLines.front());
    sceneLines.back().color = 0;
    EXPECT_NE(checkScene(0), "");
}

TEST_F(SceneCheck, RejectsWrongColors) {
    sceneSegments[0].color = 9;
    EXPECT_NE(checkScene(0), "");
    sceneSegments[0].color = 0;
    sceneLines[2].color = 2;
    EXPECT_NE(checkScene(0), "");
}

TEST_F(SceneCheck, RejectsABoxMovedWithoutSegments) {
    sceneSegments.clear();
    EXPECT_NE(checkScene(0), "");
}

} // namespace
