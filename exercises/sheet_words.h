#pragma once

// The options of a sheet as words, as the console's --zadaci, --vrsta, --nivo and --seme and the
// sheet page's address give them, read into a request; the console and the page refuse the same
// words with the same sentences.

#include "exercises/exercise_generator.h"

#include <optional>
#include <string>
#include <vector>

// A kind or level left out is any; the count and the seed are needed.
struct SheetWords {
    std::optional<std::string> count, kind, level, seed;
};

// The request the words make, or the sentence that says why they make none.
std::string readSheet(const SheetWords& words, std::optional<SheetRequest>& sheet);

// The sentence for a sheet with fewer different exercises than its request asks, or "".
std::string sheetShortfall(const SheetRequest& request, const std::vector<Exercise>& exercises);
