// The program's own options, run on the real binary without a display: each answers on
// standard output and ends with status 0 before the first prompt, so GLUT never starts
// (it would fail to open a display and say so on standard error). KONIKA_BINARY and
// KONIKA_VERSION are set by the build.

#include "child_process.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <sstream>
#include <string>

namespace {

const std::string kEllipse = "1\n0\n4\n0\n0\n-4\n";

struct Answer {
    std::string output;
    std::string errors;
};

// Runs konika with the arguments, the ellipse on its input, and expects status 0.
Answer runKonika(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{KONIKA_BINARY};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess run(argv, {{"DISPLAY"}, kEllipse});
    const std::optional<int> status = run.waitForExit(std::chrono::seconds(10));
    EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << "status " << (status ? *status : -1);
    return {run.output(), run.errors()};
}

TEST(CommandLine, VersionPrintsTheProjectVersion) {
    const Answer answer = runKonika({"--version"});
    EXPECT_EQ(answer.output, "konika " KONIKA_VERSION "\n");
    EXPECT_EQ(answer.errors, "");
}

// The usage is Serbian like the rest of the program: plain ASCII, no diacritics, and it
// fits a terminal of 80 columns.
TEST(CommandLine, HelpPrintsTheUsageInsteadOfThePrompts) {
    const Answer answer = runKonika({"-geometry", "300x200", "--help"});
    EXPECT_EQ(answer.output.rfind("Upotreba: konika", 0), 0u) << answer.output;
    EXPECT_EQ(answer.output.find("Unesite"), std::string::npos);
    EXPECT_NE(answer.output.find("man konika"), std::string::npos);
    EXPECT_EQ(answer.errors, "");

    std::istringstream lines(answer.output);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LT(line.size(), 80u) << line;
        for (const char c : line) {
            EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII: " << line;
        }
    }
}

// Without a display the window cannot open, so the status is 1; the text comes first.
Answer runWithoutStatus(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{KONIKA_BINARY};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess run(argv, {{"DISPLAY"}, kEllipse});
    EXPECT_TRUE(run.waitForExit(std::chrono::seconds(10)));
    return {run.output(), run.errors()};
}

// X^2 + 4 Y^2 - 4 = 0 is X^2/4 + Y^2 = 1: after the transcript with --tacno, alone on standard
// output as LaTeX with --latex, the prompts and the transcript then on standard error.
TEST(CommandLine, ExactSolutionFollowsTheTranscriptOrStandsAloneAsLatex) {
    const Answer text = runWithoutStatus({"-t"});
    const std::size_t transcript = text.output.find("Ljubicasta je x-osa,a svetloplavo y.\n");
    const std::size_t solution = text.output.find("\nTacno resenje\n");
    EXPECT_TRUE(transcript != std::string::npos && solution > transcript) << text.output;
    EXPECT_NE(text.output.find("    X^2/4 + Y^2 = 1\n"), std::string::npos) << text.output;

    const Answer latex = runWithoutStatus({"--latex"});
    EXPECT_EQ(latex.output.rfind("\\documentclass", 0), 0u) << latex.output;
    EXPECT_NE(latex.output.find("\\frac{X^{2}}{4} + Y^{2} = 1"), std::string::npos);
    EXPECT_EQ(latex.output.substr(latex.output.size() - 15), "\\end{document}\n");
    EXPECT_NE(latex.errors.find("Unesite koeficijent uz X^2"), std::string::npos);
}

// -j without its equation: one line on standard error, no prompt, status 1.
TEST(CommandLine, EquationOptionWithoutItsEquationIsRefused) {
    ChildProcess run({KONIKA_BINARY, "-t", "-j"}, {{"DISPLAY"}, kEllipse});
    const std::optional<int> status = run.waitForExit(std::chrono::seconds(10));
    ASSERT_TRUE(status && WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 1);
    EXPECT_EQ(run.output(), "");
    EXPECT_EQ(run.errors(),
              "Posle -j (--jednacina) treba da stoji jednacina, na primer: konika -j \"xy = 1\"\n");
}

// A display named by -display is GLUT's to open: konika does not say that there is none.
TEST(CommandLine, DisplayOptionIsLeftToGlut) {
    const Answer answer = runWithoutStatus({"-display", ":4321", "-j", "x^2 + 4y^2 = 4"});
    EXPECT_NE(answer.output.find("Ljubicasta je x-osa,a svetloplavo y.\n"), std::string::npos);
    EXPECT_EQ(answer.errors.find("Nema ekrana"), std::string::npos) << answer.errors;
}

// A failed write is not reported as success.
TEST(CommandLine, VersionThatCannotBeWrittenEndsWithAnError) {
    ChildProcess run({"/bin/sh", "-c", "exec \"$0\" --version >/dev/full", KONIKA_BINARY}, {});
    const std::optional<int> status = run.waitForExit(std::chrono::seconds(10));
    ASSERT_TRUE(status && WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 1);
    EXPECT_NE(run.errors(), "");
}

struct SheetRun {
    int status; // -1 when it did not end by itself
    std::string output;
    std::string errors;
};

SheetRun runSheet(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{KONIKA_BINARY};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess run(argv, {{"DISPLAY"}, ""});
    const std::optional<int> status = run.waitForExit(std::chrono::seconds(10));
    return {status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1, run.output(), run.errors()};
}

// A sheet without a prompt or a window: the same seed gives the same sheet, and a sheet
// without a seed names the one it was made with.
TEST(CommandLine, SheetFollowsItsSeed) {
    const std::vector<std::string> options = {"--zadaci", "3", "--vrsta", "hiperbola",
                                              "--nivo",   "2", "--seme",  "3"};
    const SheetRun sheet = runSheet(options);
    EXPECT_EQ(sheet.status, 0);
    EXPECT_EQ(sheet.errors, "");
    EXPECT_NE(sheet.output.find("\n1) x^2 - 4xy - 2y^2 + 6 = 0\n"), std::string::npos)
        << sheet.output;
    EXPECT_EQ(sheet.output.find("Unesite"), std::string::npos);
    EXPECT_EQ(runSheet(options).output, sheet.output);

    const SheetRun drawn = runSheet({"--zadaci", "2"});
    const std::size_t at = drawn.output.find("seme: ");
    ASSERT_NE(at, std::string::npos) << drawn.output;
    const std::string seed = drawn.output.substr(at + 6, drawn.output.find('.', at) - at - 6);
    EXPECT_EQ(runSheet({"--seme", seed, "--zadaci", "2"}).output, drawn.output);

    const SheetRun latex = runSheet({"--latex", "--zadaci", "2", "--seme", "3"});
    EXPECT_EQ(latex.output.rfind("\\documentclass", 0), 0u);
    EXPECT_LT(latex.output.find("\\newpage"), latex.output.find("Kljuc"));
}

// An option that cannot be taken: one line on standard error, nothing else, and a status that
// is not 0.
TEST(CommandLine, SheetOptionsAreRefusedInOneLine) {
    const std::vector<std::vector<std::string>> refused = {
        {"--zadaci"},
        {"--zadaci", "0"},
        {"--zadaci", "101"},
        {"--zadaci", "tri"},
        {"--zadaci", "2", "--vrsta", "oval"},
        {"--zadaci", "2", "--nivo", "4"},
        {"--zadaci", "2", "--nivo", "0"},
        {"--zadaci", "2", "--seme", "-1"},
        {"--zadaci", "2", "--seme", "18446744073709551616"},
        {"--zadaci", "2", "--vrsta", "kruznica", "--nivo", "3"},
        {"--nivo", "2"},
        {"--zadaci", "30", "--vrsta", "dvostruka-prava", "--nivo", "2"}};
    for (const std::vector<std::string>& arguments : refused) {
        const SheetRun run = runSheet(arguments);
        EXPECT_GT(run.status, 0) << arguments.back();
        EXPECT_EQ(run.output, "") << arguments.back();
        EXPECT_TRUE(!run.errors.empty() && run.errors.find('\n') == run.errors.size() - 1)
            << run.errors;
        for (const char c : run.errors) {
            EXPECT_TRUE(c == '\n' || (c >= ' ' && c <= '~')) << run.errors;
        }
    }
}

} // namespace
