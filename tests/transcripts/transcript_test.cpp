// Runs the konika binary on every case of the transcript file and compares its console output
// byte for byte. KONIKA_BINARY and KONIKA_TRANSCRIPTS are set by the build.
//
// A run whose curve goes to the window cannot open one here (no DISPLAY), so konika ends it with
// exit status 1 after the console output and one line on stderr that says why; every other run
// must exit 0 with nothing on stderr.
// KONIKA_E2E_WRAPPER, when set, is put in front of the binary (e.g. "valgrind -q
// --error-exitcode=99") to run the same cases under a memory checker.

#include "child_process.h"
#include "transcript_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <sstream>

// Failure messages name the case instead of dumping its (possibly very long) input.
void PrintTo(const TranscriptCase& c, std::ostream* os) {
    *os << c.name;
}

namespace {

const std::chrono::seconds kTimeout(10);

const std::string kNoDisplay =
    "Nema ekrana (DISPLAY nije postavljen): tekst iznad je potpun, a za sliku je potreban ekran "
    "ili scripts/run.sh, koji je cuva u datoteku.\n";

std::vector<std::string> commandLine(const TranscriptCase& c) {
    std::vector<std::string> argv;
    if (const char* wrapper = std::getenv("KONIKA_E2E_WRAPPER")) {
        std::istringstream words(wrapper);
        std::string word;
        while (words >> word) {
            argv.push_back(word);
        }
    }
    argv.push_back(KONIKA_BINARY);
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    return argv;
}

class Transcript : public ::testing::TestWithParam<TranscriptCase> {};

TEST_P(Transcript, ConsoleOutputMatches) {
    const TranscriptCase& c = GetParam();
    // Without a display the window cannot open, so a run that reaches it ends there.
    ChildProcess run(commandLine(c), {{"DISPLAY"}, c.input});
    const std::optional<int> status = run.waitForExit(kTimeout);
    ASSERT_TRUE(status) << "still running after " << kTimeout.count() << " s";

    const std::string output =
        c.restUnchecked ? run.output().substr(0, c.expectedOutput.size()) : run.output();
    EXPECT_EQ(c.expectedOutput, output);

    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    if (c.opensWindow) {
        EXPECT_EQ(WEXITSTATUS(*status), 1) << "expected the window to be tried";
        EXPECT_EQ(run.errors(), kNoDisplay);
    } else {
        EXPECT_EQ(WEXITSTATUS(*status), 0);
        EXPECT_EQ(run.errors(), "");
    }
}

std::string caseName(const ::testing::TestParamInfo<TranscriptCase>& info) {
    return info.param.name;
}

// Cases that press keys need a window; the window tests run them.
std::vector<TranscriptCase> casesWithoutKeys() {
    std::vector<TranscriptCase> cases;
    for (const TranscriptCase& c : readTranscripts(KONIKA_TRANSCRIPTS)) {
        if (c.keys.empty()) {
            cases.push_back(c);
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Konika, Transcript, ::testing::ValuesIn(casesWithoutKeys()), caseName);

} // namespace
