#pragma once

#include "child_process.h"

#include <memory>
#include <string>

// A virtual X server of 1280x1024 at 24 bits on the first free display, ended with this
// object.
class XvfbServer {
  public:
    XvfbServer();
    const std::string& display() const { return display_; }
    pid_t pid() const { return process_->pid(); }

  private:
    std::unique_ptr<ChildProcess> process_;
    std::string display_;
};
