#include "scratch_folder.h"

#include <stdexcept>

#include <dirent.h>
#include <unistd.h>

ScratchFolder::ScratchFolder() {
    char name[] = "/tmp/konika-test-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        throw std::runtime_error("no scratch folder");
    }
    path_ = name;
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& file : files()) {
        unlink((path_ + "/" + file).c_str());
    }
    rmdir(path_.c_str());
}

std::set<std::string> ScratchFolder::files() const {
    std::set<std::string> names;
    if (DIR* dir = opendir(path_.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.insert(name);
            }
        }
        closedir(dir);
    }
    return names;
}
