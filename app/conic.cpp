#include "app/conic.h"

#include "app/line_ahead.h"
#include "app/typed_number.h"
#include "equation/equation_reader.h"
#include "exact/exact_conic.h"
#include "geometry/formatted.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

const char* const kPrompts[] = {"Unesite koeficijent uz X^2\n", "Unesite koeficijent ux XY\n",
                                "Unesite koeficijent ux Y^2\n", "Unesite koeficijent ux X\n",
                                "Unesite koeficijent ux Y\n",   "Unesite slobodan clan\n"};

const char* const kEndOfInput = "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n";
const char* const kTooManyUnreadable = "Unos se prekida: 100 reci zaredom nisu brojevi.\n";
const char* const kWholeEquation = "Red je procitan kao cela jednacina.\n";

// The coefficients read from an equation are echoed with the names of the prompts.
const char* const kCoefficientNames[] = {"uz X^2", "uz XY", "uz Y^2",
                                         "uz X",   "uz Y",  "slobodan clan"};

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

// A coefficient of an equation as if it had been typed as a word: the float nearest to it, and
// exactly 0 where that float is 0.
TypedNumber typedValue(const Rational& exact) {
    const float value = nearestFloat(exact);
    if (std::isinf(value)) {
        return {WordMeaning::TooLarge, value};
    }
    return {WordMeaning::Number, value, value == 0.0f ? Rational(0) : exact};
}

// Reads the six coefficients from the equation and echoes them, or says why it is refused.
bool readWholeEquation(std::string_view text, TypedNumber typed[6]) {
    const EquationReading reading = readEquation(text);
    if (!reading.accepted) {
        printFlushed(reading.refusal + "\n");
        return false;
    }
    const EquationCoefficients& c = reading.coefficients;
    const Rational* const six[] = {&c.x2, &c.xy, &c.y2, &c.x, &c.y, &c.constant};
    std::string echo = "Koeficijenti:";
    for (int i = 0; i < 6; ++i) {
        typed[i] = typedValue(*six[i]);
        if (typed[i].meaning != WordMeaning::Number) {
            printFlushed(refusal(coefficientWord(*six[i]), typed[i].meaning));
            return false;
        }
        echo += std::string(i == 0 ? " " : ", ") + kCoefficientNames[i] + " = " +
                coefficientWord(*six[i]);
    }
    printFlushed(echo + "\n");
    return true;
}

// An equation written out, not a number: x or y with an "=", a power, or a second-order term.
bool looksLikeEquation(const std::string& line) {
    return line.find_first_of("xXyY") != std::string::npos &&
           (line.find_first_of("=^") != std::string::npos ||
            line.find("\xC2\xB2") != std::string::npos || readEquation(line).accepted);
}

enum class Reading { Number, Equation, EndOfInput, TooManyUnreadable };

// Asks for one coefficient until a word is a number; a refused word is named and the same
// prompt comes again. At the first prompt, a line that is an equation is read whole instead.
class CoefficientReader {
  public:
    explicit CoefficientReader(TextSource& source) : lines_(source), words_(lines_) {}

    // With six places for the numbers, a line that is an equation fills them all.
    Reading read(const char* prompt, TypedNumber& number, TypedNumber* equation = nullptr) {
        std::printf("%s", prompt);
        for (;;) {
            if (equation != nullptr) {
                if (const std::optional<Reading> reading = readEquationLines(prompt, equation)) {
                    return *reading;
                }
            }
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
    // The lines that are equations, each read whole; a refused one counts as an unreadable
    // word and the prompt comes again. Nothing once a line is not an equation.
    std::optional<Reading> readEquationLines(const char* prompt, TypedNumber* six) {
        for (std::optional<std::string> line = lines_.nextLine(); line && looksLikeEquation(*line);
             line = lines_.nextLine()) {
            lines_.takeLine();
            printFlushed(kWholeEquation);
            if (readWholeEquation(*line, six)) {
                return Reading::Equation;
            }
            if (++unreadableInARow_ == kMostUnreadableInARow) {
                return Reading::TooManyUnreadable;
            }
            std::printf("%s", prompt);
        }
        return std::nullopt;
    }

    LineAhead lines_;
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

void storeTyped(const TypedNumber typed[6], Conic& conic, ExactConic& exact) {
    conic.a11 = typed[0].value;
    exact.a11 = typed[0].exact;
    storeHalved(typed[1], conic.a12, exact.a12);
    conic.a22 = typed[2].value;
    exact.a22 = typed[2].exact;
    storeHalved(typed[3], conic.a13, exact.a13);
    storeHalved(typed[4], conic.a23, exact.a23);
    conic.a33 = typed[5].value;
    exact.a33 = typed[5].exact;
}

} // namespace

bool readConic(Conic& conic, ExactConic& exact, TextSource& source) {
    CoefficientReader reader(source);
    TypedNumber typed[6];
    for (int i = 0; i < 6; ++i) {
        const Reading reading = reader.read(kPrompts[i], typed[i], i == 0 ? typed : nullptr);
        if (reading == Reading::Equation) {
            break;
        }
        if (reading != Reading::Number) {
            printFlushed(reading == Reading::EndOfInput ? kEndOfInput : kTooManyUnreadable);
            return false;
        }
    }
    storeTyped(typed, conic, exact);
    return true;
}

bool readConicEquation(std::string_view equation, Conic& conic, ExactConic& exact) {
    TypedNumber typed[6];
    if (!readWholeEquation(equation, typed)) {
        return false;
    }
    storeTyped(typed, conic, exact);
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
