#include "viewer/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Past this many files of one second the names count as used up.
constexpr int kMostAttempts = 1000;

// The whole PNG file in memory, so that writing it to disk reports the system's own errors;
// empty when libpng fails.
std::vector<unsigned char> encodePng(const RgbPicture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.width);
    image.height = png_uint_32(picture.height);
    image.format = PNG_FORMAT_RGB;
    // A negative stride: the rows lie from the bottom up, and the file wants them top down.
    const png_int_32 stride = -png_int_32(picture.width) * 3;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.bytes.data(), stride,
                                   nullptr)) {
        return {};
    }
    std::vector<unsigned char> png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, picture.bytes.data(), stride,
                                   nullptr)) {
        return {};
    }
    png.resize(size);
    return png;
}

// The permissions a newly created file gets, rather than mkstemp's owner-only ones.
mode_t usualFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes everything to fd and makes it durable; 0 or the errno of the failing call.
int writeAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += std::size_t(n);
    }
    if (fchmod(fd, usualFileMode()) != 0 || fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

// Gives the complete file a second name that did not exist, failing with EEXIST rather than
// replacing a file. A file system without hard links gets a rename that refuses to replace.
int linkWithoutReplacing(const std::string& from, const std::string& to) {
    if (link(from.c_str(), to.c_str()) == 0) {
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP) {
        return errno;
    }
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    return errno;
}

// The first free name, numbered on from the time's own name; the temporary file goes.
SaveOutcome placeUnderFreeName(const std::string& temporary, const std::string& folder,
                               const std::tm& time) {
    SaveOutcome outcome;
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        outcome.fileName = pictureFileName(time, attempt);
        outcome.error = linkWithoutReplacing(temporary, folder + "/" + outcome.fileName);
        if (outcome.error != EEXIST) {
            break;
        }
    }
    unlink(temporary.c_str());
    if (!outcome.saved()) {
        outcome.fileName.clear();
    }
    return outcome;
}

} // namespace

SaveOutcome savePicture(const RgbPicture& picture, const std::string& folder, const std::tm& time) {
    const std::vector<unsigned char> png = encodePng(picture);
    if (png.empty()) {
        return SaveOutcome{"", kEncodingFailed};
    }
    std::string temporary = folder + "/.konika-XXXXXX.part";
    const int fd = mkstemps(temporary.data(), 5);
    if (fd < 0) {
        return SaveOutcome{"", errno};
    }
    int error = writeAll(fd, png);
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return SaveOutcome{"", error};
    }
    return placeUnderFreeName(temporary, folder, time);
}
