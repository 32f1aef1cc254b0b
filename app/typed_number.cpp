#include "app/typed_number.h"

#include <cmath>
#include <cstdlib>

namespace {

bool isSign(char c) {
    return c == '+' || c == '-';
}

// "- 4" means -4; a sign with only blanks after it stays a lone sign.
void joinSignToItsNumber(std::string& word) {
    if (word.size() > 1 && isSign(word[0])) {
        const std::size_t number = word.find_first_not_of(" \t", 1);
        word.erase(1, number == std::string::npos ? std::string::npos : number - 1);
    }
}

} // namespace

TypedNumber readTypedNumber(std::string word) {
    const TypedNumber notANumber{WordMeaning::NotANumber, 0.0f};
    joinSignToItsNumber(word);
    // strtof would skip blanks in front of a number; a NUL byte ends it short of the word's end.
    if (word.empty() || word.size() > kLongestNumber ||
        word.find_first_of(" \t\n\v\f\r") != std::string::npos) {
        return notANumber;
    }
    for (char& c : word) {
        if (c == ',') {
            c = '.';
        }
    }
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (end != word.c_str() + word.size() || std::isnan(value)) {
        return notANumber;
    }
    if (std::isinf(value)) {
        return {WordMeaning::TooLarge, value};
    }
    return {WordMeaning::Number, value};
}
