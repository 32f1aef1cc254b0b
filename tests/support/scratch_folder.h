#pragma once

#include <set>
#include <string>

// A new empty folder under /tmp, removed with everything in it when this object goes away.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    // The names of the files in it, hidden ones included.
    std::set<std::string> files() const;

  private:
    std::string path_;
};
