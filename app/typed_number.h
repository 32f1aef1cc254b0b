#pragma once

#include "exact/rational.h"

#include <cstddef>
#include <string>

// What a typed word is worth as a coefficient.
enum class WordMeaning {
    Number,     // a number that a float holds (one below the float range reads as strtof has it)
    NotANumber, // not wholly a number: a letter, a second sign or point, a lone sign, a NaN
    TooLarge,   // an infinity, or a number beyond the float range
};

struct TypedNumber {
    WordMeaning meaning = WordMeaning::NotANumber;
    float value = 0.0f; // when it is a Number
    // Its exact value, as typed: 0.1 is 1/10. Zero wherever the float is zero, so that a
    // number below the float range counts as 0 in the exact steps too.
    Rational exact = 0;
};

// No number anyone types is longer; a longer word is not read as one.
constexpr std::size_t kLongestNumber = 4096;

// Reads a word as strtof reads a number, with allowances for how people type: a decimal
// comma stands for the point ("1,5", "-0,25", "1,5e3"), a sign may stand apart from its
// number by blanks ("- 4"), and a fraction of two such numbers is a number ("1/3", "-2/7",
// "1,5/4"; the denominator without a sign, not 0), whose float is the float nearest to it.
TypedNumber readTypedNumber(std::string word);
