// The transcript cases that press keys in the window (those with a "keys" line in the
// transcript file): konika runs on a virtual display, the keys are pressed once its picture is
// drawn, and its whole console output is compared byte for byte.
#include "konika_window.h"
#include "transcript_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

void PrintTo(const TranscriptCase& c, std::ostream* os) {
    *os << c.name;
}

namespace {

std::vector<std::string> inputLines(const std::string& input) {
    std::vector<std::string> lines;
    std::istringstream in(input);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<TranscriptCase> casesWithKeys() {
    std::vector<TranscriptCase> cases;
    for (const TranscriptCase& c : readTranscripts(KONIKA_TRANSCRIPTS)) {
        if (!c.keys.empty()) {
            cases.push_back(c);
        }
    }
    return cases;
}

class ConsoleAfterKeys : public ::testing::TestWithParam<TranscriptCase> {};

// Letters and digits are their own keysyms.
TEST_P(ConsoleAfterKeys, OutputMatches) {
    const TranscriptCase& c = GetParam();
    XvfbServer server;
    KonikaWindow window(server, inputLines(c.input));
    for (char key : c.keys) {
        window.pressKey(static_cast<unsigned char>(key));
    }
    EXPECT_EQ(c.expectedOutput, window.waitForOutput(c.expectedOutput));
}

INSTANTIATE_TEST_SUITE_P(Konika, ConsoleAfterKeys, ::testing::ValuesIn(casesWithKeys()),
                         [](const ::testing::TestParamInfo<TranscriptCase>& info) {
                             return info.param.name;
                         });

} // namespace
