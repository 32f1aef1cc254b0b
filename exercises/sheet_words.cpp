#include "exercises/sheet_words.h"

#include "exercises/exercise_sheet.h"

#include <charconv>

namespace {

std::string quoted(const std::string& word) {
    return "\"" + word.substr(0, 40) + "\"";
}

// A whole number of at most digits decimal digits, nothing else.
std::optional<unsigned long long> wholeNumber(const std::string& word, std::size_t digits) {
    if (word.empty() || word.size() > digits ||
        word.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    // from_chars reports a number too large as an error code, without an exception.
    unsigned long long value = 0;
    const std::from_chars_result read =
        std::from_chars(word.data(), word.data() + word.size(), value);
    if (read.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string readSheet(const SheetWords& words, std::optional<SheetRequest>& sheet) {
    SheetRequest request;
    const std::string countWord = words.count.value_or("");
    const std::optional<unsigned long long> count = wholeNumber(countWord, 3);
    if (!count || *count < 1 || *count > 100) {
        return "Broj zadataka mora biti ceo broj od 1 do 100, a ne " + quoted(countWord) + ".";
    }
    request.count = static_cast<int>(*count);
    const std::optional<ExerciseKind> kind = kindNamed(words.kind.value_or("bilo-koja"));
    if (!kind) {
        return "Nepoznata vrsta " + quoted(*words.kind) + "; vrste su: " + kindNames() + ".";
    }
    request.kind = *kind;
    const std::optional<unsigned long long> level = wholeNumber(words.level.value_or("0"), 1);
    if (!level || *level > 3 || (words.level && *level == 0)) {
        return "Nivo mora biti 1, 2 ili 3, a ne " + quoted(*words.level) + ".";
    }
    request.level = static_cast<int>(*level);
    if (!kindHasLevel(request.kind, request.level)) {
        return "Kruznica nema rotaciju: za nju postoji samo nivo 1.";
    }
    const std::string seedWord = words.seed.value_or("");
    const std::optional<unsigned long long> seed = wholeNumber(seedWord, 20);
    if (!seed) {
        return "Seme mora biti ceo broj od 0 do 18446744073709551615, a ne " + quoted(seedWord) +
               ".";
    }
    request.seed = *seed;
    sheet = request;
    return "";
}

std::string sheetShortfall(const SheetRequest& request, const std::vector<Exercise>& exercises) {
    if (exercises.size() >= static_cast<std::size_t>(request.count)) {
        return "";
    }
    return "Razlicitih zadataka ove vrste i nivoa ima samo " + std::to_string(exercises.size()) +
           ".";
}
