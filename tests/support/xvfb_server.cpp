#include "xvfb_server.h"

#include <stdexcept>

#include <poll.h>
#include <unistd.h>

namespace {

// Xvfb writes the display number it chose, then a line end, once it accepts clients.
std::string readDisplayNumber(int fd, ChildProcess& server) {
    std::string number;
    char c = 0;
    while (true) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10000) != 1 || read(fd, &c, 1) != 1) {
            throw std::runtime_error("Xvfb did not start: " + server.errors());
        }
        if (c == '\n') {
            return number;
        }
        number += c;
    }
}

} // namespace

XvfbServer::XvfbServer() {
    int displayPipe[2];
    if (pipe(displayPipe) != 0) {
        throw std::runtime_error("no pipe for Xvfb");
    }
    process_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(displayPipe[1]), "-screen",
                                 "0", "1280x1024x24", "-nolisten", "tcp"},
        ChildProcess::Options{});
    close(displayPipe[1]);
    try {
        display_ = ":" + readDisplayNumber(displayPipe[0], *process_);
    } catch (...) {
        close(displayPipe[0]);
        throw;
    }
    close(displayPipe[0]);
}
