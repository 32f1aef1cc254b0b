#pragma once

#include <cstddef>
#include <string>

// What a typed word is worth as a coefficient.
enum class WordMeaning {
    Number,     // a number that a float holds (one below the float range reads as strtof has it)
    NotANumber, // not wholly a number: a letter, a second sign or point, a lone sign, a NaN
    TooLarge,   // an infinity, or a number beyond the float range
};

struct TypedNumber {
    WordMeaning meaning;
    float value; // when it is a Number
};

// No number anyone types is longer; a longer word is not read as one.
constexpr std::size_t kLongestNumber = 4096;

// Reads a word as strtof reads a number, with two allowances for how people type: a decimal
// comma stands for the point ("1,5", "-0,25", "1,5e3"), and a sign may stand apart from its
// number by blanks ("- 4").
TypedNumber readTypedNumber(std::string word);
