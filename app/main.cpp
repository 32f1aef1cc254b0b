#include "app/command_line.h"
#include "app/conic.h"
#include "app/output_check.h"
#include "exact/exact_conic.h"
#include "viewer/viewer.h"

#include <cstdio>

int main(int argc, char** argv) {
    checkStandardOutputAtExit();
    CommandLine commandLine = readCommandLine(argc, argv);
    if (answerCommandLine(commandLine)) {
        return 0;
    }
    Conic conic;
    ExactConic typed;
    if (readConic(conic, typed) && conic.reduceConic(typed) == 0) {
        // The worked exercise reaches a file or a pipe now, not only when konika ends.
        std::fflush(stdout);
        runViewer(commandLine.glutArgumentCount(), commandLine.glutArguments.data());
    }
    return 0;
}
