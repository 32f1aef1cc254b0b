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

int main(int argc, char** argv) {
    checkStandardOutputAtExit();
    CommandLine commandLine = readCommandLine(argc, argv);
    if (const std::optional<int> status = answerCommandLine(commandLine)) {
        return *status;
    }
    std::FILE* latex = commandLine.latexSolution ? standardOutputForDocument() : nullptr;
    Conic conic;
    ExactConic typed;
    if (!readConic(conic, typed)) {
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
        runViewer(commandLine.glutArgumentCount(), commandLine.glutArguments.data());
    }
    return 0;
}
