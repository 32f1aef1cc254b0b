// What the pages ask of the exercises, with the words they have (the sheet page's address, the
// choices of the main page): the names of the kinds, a sheet with its key as HTML with MathML,
// and one new exercise. The sheet page's module is this file alone, with the exercises and the
// writers: no window, no files, no console; the main page has it beside its entry.
#include "document/mathml_writer.h"
#include "document/text_writer.h"
#include "exercises/exercise_sheet.h"
#include "exercises/sheet_words.h"

#include <emscripten.h>

#include <optional>
#include <string>

namespace {

// What the last call returned, kept for the page to read until the next call, and whether
// the words were refused (what it returned is then the sentence that says why).
std::string written;
bool refused = false;
Exercise lastExercise;

std::optional<std::string> given(const char* word) {
    return word == nullptr ? std::nullopt : std::optional<std::string>(word);
}

} // namespace

// The names of the kinds, separated by ", ", for the pages' choice of the kind.
extern "C" EMSCRIPTEN_KEEPALIVE const char* kindList() {
    written = kindNames();
    return written.c_str();
}

// The sheet that the words make (nullptr for a kind or a level left out: any), as HTML.
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

// A new exercise of the kind and level from the seed: its equation as people type it
// ("5x^2 + 4xy + 8y^2 - 32x - 56y + 80 = 0"); its key follows from exerciseKey.
extern "C" EMSCRIPTEN_KEEPALIVE const char* newExerciseEquation(const char* kind, const char* level,
                                                                const char* seed) {
    std::optional<SheetRequest> request;
    written = readSheet({std::string("1"), given(kind), given(level), given(seed)}, request);
    refused = !request;
    if (request) {
        lastExercise = newExercise(request->kind, request->level, request->seed);
        written = textOf(typedEquation(lastExercise));
    }
    return written.c_str();
}

// The six coefficients of the last new exercise, one a line, for the page's six fields.
extern "C" EMSCRIPTEN_KEEPALIVE const char* exerciseCoefficients() {
    written.clear();
    for (const long long coefficient : lastExercise.coefficients) {
        written += (written.empty() ? "" : "\n") + std::to_string(coefficient);
    }
    return written.c_str();
}

// The key of the last new exercise, as HTML.
extern "C" EMSCRIPTEN_KEEPALIVE const char* exerciseKey() {
    written = exerciseKeyHtml(lastExercise);
    return written.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE int wordsRefused() {
    return refused ? 1 : 0;
}
