// The committed seed corpora of the fuzz targets, replayed through the same checks in every
// build: the inputs of the console tests, bad and extreme input, and every outcome; the
// equations as they are written, refused and hostile.
#include "console_check.h"
#include "console_run.h"
#include "equation_check.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

std::string contentsOf(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// How a run ended, told from its scene and the end of its console output.
std::string outcomeOf(const ConsoleRun& run) {
    if (endsWith(run.transcript, "Ono sto ste uneli nije kriva drugog reda!")) {
        return "not of second order";
    }
    for (const char* message :
         {"Resenje je imaginarna kriva.\n", "Dve prave. \n", "Resenje je prazan skup\n",
          "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n",
          "Unos se prekida: 100 reci zaredom nisu brojevi.\n",
          "Brojevi su preveliki za svodjenje na kanonski oblik.\n"}) {
        if (endsWith(run.transcript, message)) {
            return message;
        }
    }
    if (sceneLines.empty()) {
        return run.result == 0 ? "single point" : "silent result 1";
    }
    switch (sceneSegments.size()) {
    case 100:
        return "ellipse";
    case 200:
        return "parabola";
    case 400:
        return "hyperbola";
    default:
        break;
    }
    if (sceneLines.size() == 9) {
        return "double line";
    }
    return sceneLines.back().direction.y == 0 ? "parallel lines" : "crossing lines";
}

TEST(SeedCorpus, EveryInputKeepsTheConsoleProperties) {
    std::map<std::string, int> outcomes;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KONIKA_FUZZ_CORPUS)) {
        const ConsoleRun run = runConsole(contentsOf(entry.path()));
        ++inputs;
        ++outcomes[outcomeOf(run)];
        EXPECT_EQ(checkConsoleRun(run), "") << entry.path().filename() << "\n" << run.transcript;
    }
    clearScene();

    // The seeds reach every way a run can end, so the fuzzer starts from all of them; every
    // run that shows no picture says why.
    for (const char* outcome :
         {"not of second order", "Resenje je imaginarna kriva.\n", "Dve prave. \n",
          "Resenje je prazan skup\n", "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n",
          "Unos se prekida: 100 reci zaredom nisu brojevi.\n",
          "Brojevi su preveliki za svodjenje na kanonski oblik.\n", "single point", "ellipse",
          "parabola", "hyperbola", "double line", "parallel lines", "crossing lines"}) {
        EXPECT_GT(outcomes[outcome], 0) << "no seed ends as: " << outcome;
    }
    EXPECT_EQ(outcomes["silent result 1"], 0);
    std::ostringstream summary;
    for (const auto& [outcome, count] : outcomes) {
        summary << " [" << outcome.substr(0, outcome.find('\n')) << "] " << count;
    }
    std::printf("seed corpus: %d inputs;%s\n", inputs, summary.str().c_str());
}

TEST(SeedCorpus, EveryEquationKeepsTheReadersProperties) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KONIKA_EQUATION_CORPUS)) {
        EXPECT_EQ(checkEquationReading(contentsOf(entry.path())), "") << entry.path().filename();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
