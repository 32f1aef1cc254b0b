// The sheet page's entry: a sheet of exercises with their key, as HTML with MathML, for the
// options that the page's address carries. Only the exercises and the writers: no window, no
// files, no console.
#include "document/mathml_writer.h"
#include "exercises/exercise_sheet.h"
#include "exercises/sheet_words.h"

#include <emscripten.h>

#include <optional>
#include <string>

namespace {

// What the last call returned, kept for the page to read until the next call.
std::string written;
bool refused = false;

std::optional<std::string> given(const char* word) {
    return word == nullptr ? std::nullopt : std::optional<std::string>(word);
}

} // namespace

// The names of the kinds, separated by ", ", for the page's choice of the kind.
extern "C" EMSCRIPTEN_KEEPALIVE const char* kindList() {
    written = kindNames();
    return written.c_str();
}

// The sheet that the words make, as the address gives them (nullptr for a kind or a level left
// out: any), as HTML; when they make none, the sentence that says why, and sheetRefused() is 1.
extern "C" EMSCRIPTEN_KEEPALIVE const char* sheetPage(const char* count, const char* kind,
                                                      const char* level, const char* seed) {
    std::optional<SheetRequest> request;
    written = readSheet({given(count), given(kind), given(level), given(seed)}, request);
    refused = !request;
    if (request) {
        const std::vector<Exercise> exercises = exerciseSheet(*request);
        written = sheetShortfall(*request, exercises);
        refused = !written.empty();
        if (!refused) {
            written = htmlOf(sheetDocument(*request, exercises));
        }
    }
    return written.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE int sheetRefused() {
    return refused ? 1 : 0;
}
