// The equation typed back: for every conic of the oracle corpus, as typed and divided by 7
// (fractions) and by 10^8 (long decimals), the six coefficients written as an equation and
// read again are the same six exactly, and each coefficient written as a word is read back
// exactly by the prompts' number reader.
#include "app/typed_number.h"
#include "equation/equation_reader.h"
#include "tests/corpus/corpus.h"

#include <gtest/gtest.h>

namespace {

bool same(const EquationCoefficients& a, const EquationCoefficients& b) {
    return a.x2 == b.x2 && a.xy == b.xy && a.y2 == b.y2 && a.x == b.x && a.y == b.y &&
           a.constant == b.constant;
}

TEST(TypedBack, TheWrittenEquationReadsBackToTheSameSix) {
    const Rational divisors[] = {1, 7, Rational(100000000)};
    int checked = 0;
    for (const CorpusCase& c : buildCorpus()) {
        for (const Rational& divisor : divisors) {
            Rational v[6];
            for (int i = 0; i < 6; ++i) {
                v[i] = Rational(c.typed[i], 1000) / divisor;
                const TypedNumber word = readTypedNumber(coefficientWord(v[i]));
                ASSERT_EQ(word.exact, v[i]) << coefficientWord(v[i]);
            }
            const EquationCoefficients six{v[0], v[1], v[2], v[3], v[4], v[5]};
            const std::string text = equationText(six);
            const EquationReading reading = readEquation(text);
            ASSERT_TRUE(reading.accepted) << text << ": " << reading.refusal;
            ASSERT_TRUE(same(reading.coefficients, six)) << text;
            ++checked;
        }
    }
    std::printf("typed back: %d equations\n", checked);
}

} // namespace
