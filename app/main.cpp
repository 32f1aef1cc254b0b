#include "app/command_line.h"
#include "app/conic.h"
#include "app/output_check.h"
#include "document/latex_writer.h"
#include "document/text_writer.h"
#include "exact/exact_conic.h"
#include "solution/solution.h"
#include "viewer/viewer.h"

#include <cstdio>
#include <optional>

namespace {

const char kEquationMissing[] =
    "Posle -j (--jednacina) treba da stoji jednacina, na primer: konika -j \"xy = 1\"\n";

// Instead of GLUT's own line about the display it failed to open.
const char kNoDisplay[] = "Nema ekrana (DISPLAY nije postavljen): tekst iznad je potpun, a za "
                          "sliku je potreban ekran ili scripts/run.sh, koji je cuva u datoteku.\n";

} // namespace

int main(int argc, char** argv) {
    checkStandardOutputAtExit();
    CommandLine commandLine = readCommandLine(argc, argv);
    if (const std::optional<int> status = answerCommandLine(commandLine)) {
        return *status;
    }
    if (commandLine.equationMissing) {
        std::fputs(kEquationMissing, stderr);
        return 1;
    }
    std::FILE* latex = commandLine.latexSolution ? standardOutputForDocument() : nullptr;
    Conic conic;
    ExactConic typed;
    const bool read = commandLine.equation ? readConicEquation(*commandLine.equation, conic, typed)
                                           : readConic(conic, typed);
    if (!read) {
        return 0;
    }
    const int result = conic.reduceConic(typed);
    std::fflush(stdout);
    if (commandLine.exactSolution || latex != nullptr) {
        const Document solution = exactSolution(typed);
        if (commandLine.exactSolution) {
            std::fputs(("\n" + textOf(solution)).c_str(), stdout);
        }
        if (latex != nullptr) {
            std::fputs(latexOf(solution).c_str(), latex);
            std::fflush(latex);
        }
    }
    if (result == 0) {
        // The worked exercise reaches a file or a pipe now, not only when konika ends.
        std::fflush(stdout);
        if (!displayGiven(commandLine)) {
            std::fputs(kNoDisplay, stderr);
            return 1;
        }
        runViewer(commandLine.glutArgumentCount(), commandLine.glutArguments.data());
    }
    return 0;
}
