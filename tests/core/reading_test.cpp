// Typed words as coefficients, and the words of a text, without the console.
#include "app/conic.h"
#include "app/typed_number.h"
#include "app/word_reader.h"
#include "exact/exact_conic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace {

Rational ratio(long long numerator, long long denominator) {
    return Rational(numerator, denominator);
}

// Each word with its float and its exact value, worked out by hand.
TEST(TypedNumber, ReadsNumbersAsPeopleTypeThem) {
    const struct {
        std::string word;
        float value;
        Rational exact;
    } numbers[] = {
        {"1.5", 1.5f, ratio(3, 2)},
        {"1,5", 1.5f, ratio(3, 2)},
        {"-0,25", -0.25f, ratio(-1, 4)},
        {"1,5e3", 1500.0f, 1500},
        {",5", 0.5f, ratio(1, 2)},
        {"5.", 5.0f, 5},
        {"- 4", -4.0f, -4},
        {"+ \t 4", 4.0f, 4},
        {"0.1", 0.1f, ratio(1, 10)},
        {"-2.5e-3", -2.5e-3f, ratio(-1, 400)},
        {"0x1p3", 8.0f, 8},
        {"0x1.8p-1", 0.75f, ratio(3, 4)},
        {"1/3", 1.0f / 3, ratio(1, 3)},
        {"- 2/7", -2.0f / 7, ratio(-2, 7)},
        {"1,5/4", 0.375f, ratio(3, 8)},
        {"1e-3/1e-2", 0.1f, ratio(1, 10)},
        {"3.4e38", 3.4e38f, Rational(Integer(34) * boost::multiprecision::pow(Integer(10), 37))},
        {"-3,4e38", -3.4e38f, -Rational(Integer(34) * boost::multiprecision::pow(Integer(10), 37))},
        {"1e-50", 0.0f, 0},    // below the float range, as strtof has it: 0 exactly too
        {"1e-50/1", 0.0f, 0},
        {"1e-45", 1.4e-45f, Rational(Integer(1), boost::multiprecision::pow(Integer(10), 45))},
        {std::string(4096, '0'), 0.0f, 0} // the longest word read as a number
    };
    for (const auto& n : numbers) {
        const TypedNumber typed = readTypedNumber(n.word);
        EXPECT_EQ(typed.meaning, WordMeaning::Number) << n.word;
        EXPECT_EQ(typed.value, n.value) << n.word;
        EXPECT_EQ(typed.exact, n.exact) << n.word;
    }
    // 1/3 lies between two floats; its float is the nearer one, not a rounding of a rounding.
    const float third = readTypedNumber("1/3").value;
    EXPECT_LT(abs(Rational(third) - ratio(1, 3)),
              abs(Rational(std::nextafter(third, 1.0f)) - ratio(1, 3)));
    EXPECT_LT(abs(Rational(third) - ratio(1, 3)),
              abs(Rational(std::nextafter(third, 0.0f)) - ratio(1, 3)));
}

// Beyond the words of the console transcripts (tests/transcripts).
TEST(TypedNumber, RefusesWhatIsNotWhollyANumberOrDoesNotFitAFloat) {
    for (const char* word : {"1.5,3", "+  ", "- -4", "1e", " 4", "4\n", "", "1/0", "1/-4", "1//4",
                             "1/", "/4", "1/2/3", "1/1e-50", "x/4", "1/nan"}) {
        EXPECT_EQ(readTypedNumber(word).meaning, WordMeaning::NotANumber) << word;
    }
    EXPECT_EQ(readTypedNumber(std::string("4\0", 2)).meaning, WordMeaning::NotANumber);
    EXPECT_EQ(readTypedNumber(std::string(4097, '0')).meaning, WordMeaning::NotANumber);
    for (const char* word : {"-infinity", "3.5e38", "1000000000000000000000000000000000000000",
                             "1e38/1e-38", "1/1e-45"}) {
        EXPECT_EQ(readTypedNumber(word).meaning, WordMeaning::TooLarge) << word;
    }
}

std::vector<Word> wordsOf(const std::string& text) {
    StringSource source(text);
    WordReader reader(source);
    std::vector<Word> words;
    while (const std::optional<Word> word = reader.next()) {
        words.push_back(*word);
    }
    return words;
}

std::vector<std::string> textsOf(const std::vector<Word>& words) {
    std::vector<std::string> texts;
    for (const Word& w : words) {
        texts.push_back(w.text);
    }
    return texts;
}

TEST(WordReader, SplitsAtBlanksAndLineEndsAndKeepsASignWithItsNumber) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(textsOf(wordsOf(" 1\t0\r\n\v\f4  -4")), (Texts{"1", "0", "4", "-4"}));
    EXPECT_EQ(textsOf(wordsOf("- 4 +\t\t5 -  \n6 -")), (Texts{"- 4", "+ 5", "-", "6", "-"}));
    EXPECT_EQ(textsOf(wordsOf("1- 2")), (Texts{"1-", "2"}));
    EXPECT_EQ(textsOf(wordsOf("")), Texts{});
    EXPECT_EQ(textsOf(wordsOf(" \n\t ")), Texts{});
}

TEST(WordReader, SkipsAByteOrderMarkAtTheStartOnly) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(textsOf(wordsOf("\xEF\xBB\xBF"
                              "1 2")),
              (Texts{"1", "2"}));
    EXPECT_EQ(textsOf(wordsOf("\xEF\xBB\xBF\n1")), (Texts{"1"}));
    EXPECT_EQ(textsOf(wordsOf("\xEF\xBB"
                              "1")),
              (Texts{"\xEF\xBB"
                     "1"}));
    EXPECT_EQ(textsOf(wordsOf("1 \xEF\xBB\xBF")), (Texts{"1", "\xEF\xBB\xBF"}));
}

// 10,000 bytes: two full pieces and the rest, the later ones marked as the same word.
TEST(WordReader, ReadsALongWordInBoundedPieces) {
    const std::vector<Word> words = wordsOf(std::string(10000, 'x') + " 7");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0].text.size(), 4097u);
    EXPECT_FALSE(words[0].continued);
    EXPECT_EQ(words[1].text.size(), 4097u);
    EXPECT_TRUE(words[1].continued);
    EXPECT_EQ(words[2].text.size(), 10000u - 2 * 4097u);
    EXPECT_TRUE(words[2].continued);
    EXPECT_EQ(words[3].text, "7");
    EXPECT_FALSE(words[3].continued);
    // A word of exactly one piece leaves nothing to continue.
    EXPECT_EQ(wordsOf(std::string(4097, 'x')).size(), 1u);
    // The limit is on a sign and its number as joined: 4097 characters without the blank.
    const std::vector<Word> joined = wordsOf("- " + std::string(4095, '0') + "5 7");
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(readTypedNumber(joined[0].text).meaning, WordMeaning::NotANumber);
}

// A page hands its form fields over as a string: the same record as from the console.
TEST(ReadConic, ReadsTheSixCoefficientsFromAString) {
    Conic conic;
    ExactConic exact;
    StringSource text("1 x 3 4,5 -6 8 10");
    testing::internal::CaptureStdout();
    const bool read = readConic(conic, exact, text);
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(read);
    EXPECT_EQ(conic.a11, 1.0f);
    EXPECT_EQ(conic.a12, 1.5f);
    EXPECT_EQ(conic.a22, 4.5f);
    EXPECT_EQ(conic.a13, -3.0f);
    EXPECT_EQ(conic.a23, 4.0f);
    EXPECT_EQ(conic.a33, 10.0f);
    EXPECT_NE(output.find("\"x\" nije broj.\nUnesite koeficijent ux XY\n"), std::string::npos);
}

TEST(ReadConic, LeavesTheRecordAloneWhenTheTextEndsEarly) {
    Conic conic;
    conic.a11 = 7.0f;
    ExactConic exact;
    StringSource text("1 0 4 0 0");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readConic(conic, exact, text));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(conic.a11, 7.0f);
}

} // namespace
