// The real konika binary on input that is no typed numbers at all, and with a standard output
// that takes nothing. KONIKA_BINARY is set by the build.
#include "child_process.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <random>
#include <string>

namespace {

// A coarse guard: both inputs end within a second on a loaded machine.
const std::chrono::seconds kTimeout(10);

const std::string kEndOfInput = "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n";
const std::string kTooManyUnreadable = "Unos se prekida: 100 reci zaredom nisu brojevi.\n";
const std::string kLostOutput = "konika: ispis na standardni izlaz nije uspeo\n";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// konika through the shell, which sets up its streams as the redirection says, then becomes
// konika itself; no display, so a curve ends with status 1 where the window would open.
struct Ended {
    int status;
    std::string output;
    std::string errors;
};

Ended runRedirected(const std::string& redirection, const std::string& input) {
    ChildProcess konika({"/bin/sh", "-c", "exec \"$0\" " + redirection, KONIKA_BINARY},
                        {{"DISPLAY"}, input});
    const std::optional<int> status = konika.waitForExit(kTimeout);
    EXPECT_TRUE(status) << "still running after " << kTimeout.count() << " s";
    EXPECT_TRUE(status && WIFEXITED(*status)) << "ended by a signal";
    return {status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1, konika.output(),
            konika.errors()};
}

TEST(HostileInput, AnEndlessWordEndsTheReading) {
    const Ended run = runRedirected("< /dev/zero", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(endsWith(run.output, kTooManyUnreadable)) << run.output;
    EXPECT_EQ(run.errors, "");
}

TEST(HostileInput, TenMegabytesOfRandomBytesEnd) {
    std::mt19937 random(20261207);
    std::string bytes(10 << 20, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random());
    }
    const Ended run = runRedirected("", bytes);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(endsWith(run.output, kTooManyUnreadable) || endsWith(run.output, kEndOfInput))
        << run.output.substr(0, 2000);
    EXPECT_EQ(run.errors, "");
}

// The transcript lost on a full disk or a closed output: said on standard error, status 1,
// whatever ends the run.
TEST(LostOutput, IsReportedWithAFailingStatus) {
    const struct {
        const char* redirection;
        const char* input;
    } runs[] = {
        {"> /dev/full", "1 0 1 0 0 1\n"},  // an imaginary ellipse: main returns
        {">&-", "1 0 1 0 0 1\n"},          // standard output closed
        {"> /dev/full", "1 0\n"},          // the input ends early
        {"> /dev/full", "1 0 4 0 0 -4\n"}, // an ellipse, with no display to show it
        {">&-", "1 0 4 0 0 -4\n"},
    };
    for (const auto& r : runs) {
        const Ended run = runRedirected(r.redirection, r.input);
        EXPECT_EQ(run.status, 1) << r.redirection << " " << r.input;
        EXPECT_TRUE(endsWith(run.errors, kLostOutput))
            << r.redirection << " " << r.input << run.errors;
    }
}

TEST(LostOutput, NothingIsReportedWhenTheOutputIsWhole) {
    const Ended run = runRedirected("> /dev/null", "1 0 1 0 0 1\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
}

} // namespace
