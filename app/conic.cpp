#include "app/conic.h"

#include "app/typed_number.h"
#include "app/word_reader.h"
#include "exact/exact_conic.h"
#include "geometry/formatted.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

const char* const kPrompts[] = {"Unesite koeficijent uz X^2\n", "Unesite koeficijent ux XY\n",
                                "Unesite koeficijent ux Y^2\n", "Unesite koeficijent ux X\n",
                                "Unesite koeficijent ux Y\n",   "Unesite slobodan clan\n"};

const char* const kEndOfInput = "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n";
const char* const kTooManyUnreadable = "Unos se prekida: 100 reci zaredom nisu brojevi.\n";

// After so many unreadable words in a row the input is taken for something else than typed
// numbers (a binary file, an endless stream), and the reading stops.
constexpr int kMostUnreadableInARow = 100;

// How much of a refused word is quoted.
constexpr std::size_t kQuotedLength = 40;

// The lines about the input reach the console at once, in order with what follows them.
void printFlushed(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
}

// The word may be any bytes: only printable ASCII is shown as typed, anything else as '?'.
std::string quoted(const std::string& word) {
    std::string text = "\"";
    for (std::size_t i = 0; i < word.size() && i < kQuotedLength; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        text += c >= ' ' && c <= '~' ? static_cast<char>(c) : '?';
    }
    return text + (word.size() > kQuotedLength ? "...\"" : "\"");
}

std::string refusal(const std::string& word, WordMeaning meaning) {
    return quoted(word) +
           (meaning == WordMeaning::TooLarge ? " je prevelik broj.\n" : " nije broj.\n");
}

enum class Reading { Number, EndOfInput, TooManyUnreadable };

// Asks for one coefficient until a word is a number; a refused word is named and the same
// prompt comes again.
class CoefficientReader {
  public:
    explicit CoefficientReader(TextSource& source) : words_(source) {}

    Reading read(const char* prompt, TypedNumber& number) {
        std::printf("%s", prompt);
        for (;;) {
            const std::optional<Word> word = words_.next();
            if (!word) {
                return Reading::EndOfInput;
            }
            // The rest of a word too long to be a number was refused with its start.
            const TypedNumber typed = word->continued ? TypedNumber{} : readTypedNumber(word->text);
            if (typed.meaning == WordMeaning::Number) {
                unreadableInARow_ = 0;
                number = typed;
                return Reading::Number;
            }
            if (!word->continued) {
                printFlushed(refusal(word->text, typed.meaning));
            }
            if (++unreadableInARow_ == kMostUnreadableInARow) {
                return Reading::TooManyUnreadable;
            }
            if (!word->continued) {
                std::printf("%s", prompt);
            }
        }
    }

  private:
    WordReader words_;
    int unreadableInARow_ = 0;
};

// Positive values carry an explicit "+", negative ones the minus sign of the number format;
// a zero (or NaN) gives nothing.
std::string signedTerm(double value, const char* positiveFormat, const char* negativeFormat) {
    if (value > 0) {
        return formatted(positiveFormat, value);
    }
    if (value < 0) {
        return formatted(negativeFormat, value);
    }
    return "";
}

// The X*Y, X and Y coefficients are stored halved, the exact one too; where the float's
// halving ends at zero, so does the exact value.
void storeHalved(const TypedNumber& typed, float& field, Rational& exact) {
    field = static_cast<float>(typed.value * 0.5);
    exact = field == 0.0f ? Rational(0) : Rational(typed.exact / 2);
}

} // namespace

bool readConic(Conic& conic, ExactConic& exact, TextSource& source) {
    CoefficientReader reader(source);
    TypedNumber typed[6];
    for (int i = 0; i < 6; ++i) {
        const Reading reading = reader.read(kPrompts[i], typed[i]);
        if (reading != Reading::Number) {
            printFlushed(reading == Reading::EndOfInput ? kEndOfInput : kTooManyUnreadable);
            return false;
        }
    }
    conic.a11 = typed[0].value;
    exact.a11 = typed[0].exact;
    storeHalved(typed[1], conic.a12, exact.a12);
    conic.a22 = typed[2].value;
    exact.a22 = typed[2].exact;
    storeHalved(typed[3], conic.a13, exact.a13);
    storeHalved(typed[4], conic.a23, exact.a23);
    conic.a33 = typed[5].value;
    exact.a33 = typed[5].exact;
    return true;
}

bool readConic(Conic& conic, ExactConic& exact) {
    FileSource console(stdin);
    return readConic(conic, exact, console);
}

std::string equationLine(const Conic& conic) {
    std::string line;
    // The X^2 term never has a "+"; it is printed whenever a11 is not zero, NaN included.
    if (conic.a11 != 0.0f) {
        line += formatted("%5.2f*X^2 ", static_cast<double>(conic.a11));
    }
    line += signedTerm(2.0 * conic.a12, "+%5.2f*X*Y ", "%5.2f*X*Y ");
    line += signedTerm(conic.a22, "+%5.2f*Y^2 ", "%5.2f*Y^2 ");
    line += signedTerm(2.0 * conic.a13, "+%5.2f*X ", "%5.2f*X ");
    line += signedTerm(2.0 * conic.a23, "+%5.2f*Y ", "%5.2f*Y ");
    // A positive free term gets five decimals, a negative one two.
    line += signedTerm(conic.a33, "+%7.5f ", "%5.2f ");
    return line + "\n";
}

void printConic(const Conic& conic) {
    std::fputs(equationLine(conic).c_str(), stdout);
}
