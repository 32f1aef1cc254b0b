#include "app/typed_number.h"

#include "exact/exact_text.h"

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

const TypedNumber kNotANumber{WordMeaning::NotANumber};

// One number without a fraction bar, the comma already a point.
TypedNumber readDecimal(const std::string& word) {
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (word.empty() || end != word.c_str() + word.size() || std::isnan(value)) {
        return kNotANumber;
    }
    if (std::isinf(value)) {
        return {WordMeaning::TooLarge, value};
    }
    if (value == 0.0f) {
        return {WordMeaning::Number, value, 0};
    }
    // A float that is neither zero nor infinite has an exponent within reach.
    return {WordMeaning::Number, value, *exactValueOf(word)};
}

// a/b: b is written without a sign and is not 0 (nor below the float range).
TypedNumber readFraction(const std::string& word, std::size_t bar) {
    const std::string denominatorText = word.substr(bar + 1);
    if (denominatorText.empty() || isSign(denominatorText[0])) {
        return kNotANumber;
    }
    const TypedNumber numerator = readDecimal(word.substr(0, bar));
    const TypedNumber denominator = readDecimal(denominatorText);
    if (numerator.meaning == WordMeaning::NotANumber ||
        denominator.meaning == WordMeaning::NotANumber || denominator.exact == 0) {
        return kNotANumber;
    }
    if (numerator.meaning == WordMeaning::TooLarge ||
        denominator.meaning == WordMeaning::TooLarge) {
        return {WordMeaning::TooLarge, numerator.value};
    }
    const Rational exact = numerator.exact / denominator.exact;
    const float value = nearestFloat(exact);
    if (std::isinf(value)) {
        return {WordMeaning::TooLarge, value};
    }
    return {WordMeaning::Number, value, value == 0.0f ? Rational(0) : exact};
}

} // namespace

TypedNumber readTypedNumber(std::string word) {
    joinSignToItsNumber(word);
    // strtof would skip blanks in front of a number; a NUL byte ends it short of the word's end.
    if (word.empty() || word.size() > kLongestNumber ||
        word.find_first_of(" \t\n\v\f\r") != std::string::npos) {
        return kNotANumber;
    }
    for (char& c : word) {
        if (c == ',') {
            c = '.';
        }
    }
    const std::size_t bar = word.find('/');
    if (bar == std::string::npos) {
        return readDecimal(word);
    }
    if (word.find('/', bar + 1) != std::string::npos) {
        return kNotANumber;
    }
    return readFraction(word, bar);
}
