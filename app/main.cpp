#include "app/command_line.h"
#include "app/conic.h"
#include "app/output_check.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerCommandLine(argc, argv)) {
        return *status;
    }
    checkStandardOutputAtExit();
    Conic conic;
    if (readConic(conic) && conic.reduceConic() == 0) {
        runViewer(argc, argv);
    }
    return 0;
}
