#pragma once

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

// The window's picture as OpenGL reads it: RGB bytes, rows from the bottom up, no padding.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes;
};

// The local time a picture is named after.
inline std::tm localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm time{};
    localtime_r(&now, &time);
    return time;
}

// konika-YYYYMMDD-HHMMSS.png on the first try; konika-YYYYMMDD-HHMMSS-2.png on the second,
// -3 on the third and so on, for when the name is taken.
inline std::string pictureFileName(const std::tm& time, int attempt) {
    char name[64];
    std::snprintf(name, sizeof name, "konika-%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    std::string fileName = name;
    if (attempt > 1) {
        fileName += "-" + std::to_string(attempt);
    }
    return fileName + ".png";
}

// What came of saving: the file's name, or why there is none: the errno of the step that failed,
// or kEncodingFailed.
struct SaveOutcome {
    std::string fileName;
    int error = 0;

    bool saved() const { return error == 0; }
};

constexpr int kEncodingFailed = -1;

inline std::string saveFailureReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "nema dozvole za pisanje u ovu fasciklu";
    case EROFS:
        return "fascikla je samo za citanje";
    case ENOSPC:
    case EDQUOT:
        return "nema mesta na disku";
    case ENOENT:
        return "fascikla vise ne postoji";
    case EEXIST:
        return "sva imena za ovu sekundu su zauzeta";
    case kEncodingFailed:
        return "slika nije mogla da se zapise kao PNG";
    default:
        return "sistemska greska " + std::to_string(error);
    }
}

// The console line about a save.
inline std::string saveReport(const SaveOutcome& outcome) {
    if (outcome.saved()) {
        return "Slika je sacuvana u datoteku " + outcome.fileName;
    }
    return "Slika nije sacuvana: " + saveFailureReason(outcome.error) + ".";
}
