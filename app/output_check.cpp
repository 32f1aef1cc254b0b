#include "app/output_check.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool outputWasClosed = false;
std::FILE* documentOutput = nullptr;

bool lost(std::FILE* stream) {
    return stream != nullptr && (std::fflush(stream) != 0 || std::ferror(stream));
}

void reportLostOutput() {
    if (!lost(stdout) && !lost(documentOutput) && !outputWasClosed) {
        return;
    }
    std::fputs("konika: ispis na standardni izlaz nije uspeo\n", stderr);
    std::_Exit(1);
}

} // namespace

void checkStandardOutputAtExit() {
    // A closed standard output would hand its number to the next file opened, the display
    // connection, and the transcript would be written into that. /dev/null takes the number,
    // and the loss is reported at exit.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF) {
        outputWasClosed = true;
        // open takes the lowest free number: 1, or 0 when standard input is closed too.
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
    }
    std::atexit(reportLostOutput);
}

std::FILE* standardOutputForDocument() {
    std::fflush(stdout);
    const int document = dup(STDOUT_FILENO);
    documentOutput = document == -1 ? nullptr : fdopen(document, "w");
    if (documentOutput == nullptr) {
        outputWasClosed = true;
        documentOutput = std::fopen("/dev/null", "w");
    }
    dup2(STDERR_FILENO, STDOUT_FILENO);
    return documentOutput;
}
