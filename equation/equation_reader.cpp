#include "equation/equation_reader.h"

#include "equation/polynomial.h"

#include <cstddef>
#include <string>

namespace {

// No one types a longer equation; as for the words of the prompts, a longer text is refused.
constexpr std::size_t kLongestEquation = 4096;
// Parentheses inside one another, at most; the reading descends once for each.
constexpr int kDeepestNesting = 100;
// Digits of the longest number that may be below 2^1024.
constexpr std::size_t kMostDigits = 309;
// A number of so many digits is read as one machine word.
constexpr std::size_t kDigitsOfALimb = 19;
// How much of a refused word is quoted.
constexpr std::size_t kQuotedLength = 40;

enum class Kind { Number, X, Y, Plus, Minus, Times, Divide, Power, Open, Close, Equals, End };

struct Token {
    Kind kind = Kind::End;
    std::size_t start = 0; // byte offsets in the text
    std::size_t end = 0;
    Integer numerator = 0;   // of a Number: its digits without the decimal mark
    Integer denominator = 1; // and the power of ten of the digits after it
    int exponent = 0;        // of a Power
};

// Thrown inside the reading only; readEquation turns it into its refusal.
struct Refusal {
    std::string line;
};

// The signs, and what people paste from documents and web pages for them.
struct Symbol {
    const char* bytes;
    Kind kind;
    int exponent;
};
const Symbol kSymbols[] = {
    {"+", Kind::Plus, 0},
    {"-", Kind::Minus, 0},
    {"*", Kind::Times, 0},
    {"/", Kind::Divide, 0},
    {"(", Kind::Open, 0},
    {")", Kind::Close, 0},
    {"=", Kind::Equals, 0},
    {"\xC2\xB2", Kind::Power, 2},     // superscript two
    {"\xC2\xB3", Kind::Power, 3},     // superscript three
    {"\xE2\x88\x92", Kind::Minus, 0}, // minus sign
    {"\xE2\x80\x93", Kind::Minus, 0}, // en dash
    {"\xC2\xB7", Kind::Times, 0},     // middle dot
    {"\xE2\x8B\x85", Kind::Times, 0}, // dot operator
    {"\xC3\x97", Kind::Times, 0},     // multiplication sign
    {"\xC3\xB7", Kind::Divide, 0},    // division sign
};
const char kNoBreakSpace[] = "\xC2\xA0";
const char kRootSign[] = "\xE2\x88\x9A";

const char* const kFunctions[] = {
    "sqrt", "koren", "root", "sin",  "cos",  "tan", "tg", "ctg",    "cot",    "log",   "ln",
    "lg",   "exp",   "abs",  "sinh", "cosh", "sh",  "ch", "arcsin", "arccos", "arctg", "arctan"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string lowered(std::string word) {
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return word;
}

std::string quoted(std::string_view piece) {
    const std::string shown(piece.substr(0, kQuotedLength));
    return "\"" + shown + (piece.size() > kQuotedLength ? "...\"" : "\"");
}

// The text's characters one by one (a UTF-8 sequence is one), with the tokens they make.
class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token next() {
        skipBlanks();
        Token token;
        token.start = at_;
        if (at_ == text_.size()) {
            token.end = at_;
            return token;
        }
        const char c = text_[at_];
        if (isDigit(c) || (isDecimalMark(c) && at_ + 1 < text_.size() && isDigit(text_[at_ + 1]))) {
            readNumber(token);
        } else if (isLetter(c)) {
            readLetter(token);
        } else if (c == '^') {
            ++at_;
            readExponent(token);
        } else {
            readSymbol(token);
        }
        token.end = at_;
        return token;
    }

    // "Na mestu N" counts characters from 1, as the student sees them.
    std::string place(std::size_t offset) const {
        std::size_t characters = 1;
        for (std::size_t i = 0; i < offset && i < text_.size(); ++i) {
            characters += (static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80;
        }
        return "Na mestu " + std::to_string(characters) + ": ";
    }

    [[noreturn]] void refuse(std::size_t offset, const std::string& what) const {
        throw Refusal{place(offset) + what + "."};
    }

    bool sawVariable() const { return sawVariable_; }

  private:
    static bool isDecimalMark(char c) { return c == '.' || c == ','; }

    bool startsWith(const char* bytes) const { return text_.substr(at_).rfind(bytes, 0) == 0; }

    void skipBlanks() {
        for (;;) {
            if (at_ < text_.size() && isBlank(text_[at_])) {
                ++at_;
            } else if (startsWith(kNoBreakSpace)) {
                at_ += 2;
            } else {
                return;
            }
        }
    }

    std::size_t digitsFrom(std::size_t offset) const {
        std::size_t end = offset;
        while (end < text_.size() && isDigit(text_[end])) {
            ++end;
        }
        return end;
    }

    // Digits, and a point or comma with more digits: 12, 1.5, 1,5, .5.
    void readNumber(Token& token) {
        token.kind = Kind::Number;
        const std::size_t wholeEnd = digitsFrom(at_);
        std::string digits(text_.substr(at_, wholeEnd - at_));
        std::size_t end = wholeEnd;
        std::size_t decimals = 0;
        if (end + 1 < text_.size() && isDecimalMark(text_[end]) && isDigit(text_[end + 1])) {
            end = digitsFrom(end + 1);
            decimals = end - wholeEnd - 1;
            digits += text_.substr(wholeEnd + 1, decimals);
        }
        // No number of more digits is below 2^1024; a shorter one may be too long still.
        if (digits.size() > kMostDigits) {
            refuse(at_, "broj je predug");
        }
        // Leading zeros would make the digits octal to Boost's reading.
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) {
            token.numerator = 0;
        } else if (digits.size() - first <= kDigitsOfALimb) {
            token.numerator = std::stoull(digits.substr(first));
        } else {
            token.numerator = Integer(digits.substr(first));
        }
        token.denominator =
            boost::multiprecision::pow(Integer(10), static_cast<unsigned>(decimals));
        if (!isShortEnough(token.numerator) || !isShortEnough(token.denominator)) {
            refuse(at_, "broj je predug");
        }
        at_ = end;
    }

    // A run of letters is x's and y's, each a variable, or it is refused whole.
    void readLetter(Token& token) {
        if (at_ >= lettersChecked_) {
            std::size_t end = at_;
            while (end < text_.size() && isLetter(text_[end])) {
                ++end;
            }
            const std::string_view word = text_.substr(at_, end - at_);
            if (word.find_first_not_of("xXyY") != std::string_view::npos) {
                refuseWord(word);
            }
            lettersChecked_ = end;
        }
        sawVariable_ = true;
        token.kind = text_[at_] == 'x' || text_[at_] == 'X' ? Kind::X : Kind::Y;
        ++at_;
    }

    [[noreturn]] void refuseWord(std::string_view word) const {
        const std::string name = lowered(std::string(word));
        for (const char* function : kFunctions) {
            if (name == function) {
                refuse(at_,
                       quoted(word) + " je funkcija, a jednacina sme da ima samo polinom po x i y");
            }
        }
        if (word.size() == 1) {
            refuse(at_, "nepoznato slovo " + quoted(word) + " (promenljive su x i y)");
        }
        refuse(at_, "nepoznata rec " + quoted(word) + " (promenljive su x i y)");
    }

    // After "^": a whole number of at most kHighestDegree, in digits; anything else is refused
    // at once, so that no power is ever expanded beyond it.
    void readExponent(Token& token) {
        token.kind = Kind::Power;
        const std::size_t caret = at_ - 1;
        skipBlanks();
        const std::size_t end = digitsFrom(at_);
        const bool whole = end > at_ && (end == text_.size() || !isDecimalMark(text_[end]));
        if (!whole || end - at_ > 1 || text_[at_] - '0' > kHighestDegree) {
            refuse(caret, "izlozilac mora biti ceo broj od 0 do " + std::to_string(kHighestDegree));
        }
        token.exponent = text_[at_] - '0';
        at_ = end;
    }

    void readSymbol(Token& token) {
        for (const Symbol& symbol : kSymbols) {
            if (startsWith(symbol.bytes)) {
                token.kind = symbol.kind;
                token.exponent = symbol.exponent;
                at_ += std::string_view(symbol.bytes).size();
                return;
            }
        }
        if (startsWith(kRootSign)) {
            refuse(at_, "koren nije dozvoljen, jednacina sme da ima samo polinom po x i y");
        }
        const char c = text_[at_];
        if (c > ' ' && c <= '~') {
            refuse(at_, "nepoznat znak " + quoted(text_.substr(at_, 1)));
        }
        refuse(at_, "nepoznat znak");
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t lettersChecked_ = 0; // the end of the last run of letters found to be x's and y's
    bool sawVariable_ = false;
};

// equation := side ["=" side]; side := term {("+" | "-") term};
// term := factor {["*" | "/"] factor} (a factor side by side with another is a product);
// factor := {"+" | "-"} primary [power]; primary := number | x | y | "(" side ")".
class Parser {
  public:
    explicit Parser(std::string_view text) : lexer_(text) { ahead_ = lexer_.next(); }

    Polynomial equation() {
        if (ahead_.kind == Kind::End) {
            throw Refusal{"Jednacina je prazna."};
        }
        Polynomial left = side(true);
        if (ahead_.kind == Kind::Equals) {
            const std::size_t equals = ahead_.start;
            advance();
            Polynomial right = side(false);
            if (ahead_.kind == Kind::Equals) {
                lexer_.refuse(ahead_.start, "drugi znak \"=\", a jednacina ima samo jedan");
            }
            expectEnd();
            check(left.subtract(right), equals);
            return left;
        }
        expectEnd();
        return left;
    }

    bool sawVariable() const { return lexer_.sawVariable(); }

  private:
    void advance() { ahead_ = lexer_.next(); }

    void check(Growth growth, std::size_t offset) const {
        if (growth == Growth::DegreeTooHigh) {
            lexer_.refuse(offset, "stepen bi presao " + std::to_string(kHighestDegree) +
                                      ", a jednacina mora biti drugog stepena");
        }
        if (growth == Growth::NumbersTooLong) {
            lexer_.refuse(offset, "brojevi postaju predugi");
        }
    }

    void expectEnd() const {
        if (ahead_.kind == Kind::Close) {
            lexer_.refuse(ahead_.start, "zagrada \")\" nije otvorena");
        }
        if (ahead_.kind != Kind::End) {
            powerAfterPower();
        }
    }

    // After a whole side or bracket only a second power can stand ("x^2^2"): everything else
    // goes on the side, joins a product or ends it.
    [[noreturn]] void powerAfterPower() const {
        lexer_.refuse(ahead_.start, "stepen ne moze da stoji odmah posle stepena");
    }

    [[noreturn]] void unexpected() const {
        if (ahead_.kind == Kind::End) {
            lexer_.refuse(ahead_.start, "jednacina je nedovrsena");
        }
        lexer_.refuse(ahead_.start, "ovde se ocekuje broj, x, y ili zagrada");
    }

    Polynomial side(bool left) {
        if (ahead_.kind == Kind::Equals || ahead_.kind == Kind::End) {
            throw Refusal{std::string(left ? "Leva" : "Desna") + " strana jednacine je prazna."};
        }
        return sum();
    }

    Polynomial sum() {
        Polynomial total = term();
        while (ahead_.kind == Kind::Plus || ahead_.kind == Kind::Minus) {
            const Token sign = ahead_;
            advance();
            const Polynomial next = term();
            check(sign.kind == Kind::Plus ? total.add(next) : total.subtract(next), sign.start);
        }
        return total;
    }

    Polynomial term() {
        Polynomial product = factor();
        for (;;) {
            const Token op = ahead_;
            const bool written = op.kind == Kind::Times || op.kind == Kind::Divide;
            if (written) {
                advance();
            } else if (op.kind == Kind::Number) {
                lexer_.refuse(op.start, "broj bez znaka racunanja ispred sebe (stepen se pise "
                                        "x^2, proizvod 2x ili 2*x)");
            } else if (op.kind != Kind::X && op.kind != Kind::Y && op.kind != Kind::Open) {
                return product;
            }
            const Polynomial next = factor();
            if (op.kind == Kind::Divide) {
                divide(product, next, op.start);
            } else {
                check(product.multiply(next), op.start);
            }
        }
    }

    void divide(Polynomial& dividend, const Polynomial& divisor, std::size_t offset) const {
        if (divisor.degree() > 0) {
            lexer_.refuse(offset, "deljenje sa x ili y nije dozvoljeno");
        }
        if (divisor.degree() < 0) {
            lexer_.refuse(offset, "deljenje nulom");
        }
        check(dividend.divide(divisor), offset);
    }

    Polynomial factor() {
        bool negative = false;
        while (ahead_.kind == Kind::Plus || ahead_.kind == Kind::Minus) {
            negative = negative != (ahead_.kind == Kind::Minus);
            advance();
        }
        Polynomial value = primary();
        if (ahead_.kind == Kind::Power) {
            check(value.power(ahead_.exponent), ahead_.start);
            advance();
        }
        if (negative) {
            value.negate();
        }
        return value;
    }

    Polynomial primary() {
        const Token token = ahead_;
        switch (token.kind) {
        case Kind::Number:
            advance();
            return Polynomial::constant(token.numerator, token.denominator);
        case Kind::X:
        case Kind::Y:
            advance();
            return token.kind == Kind::X ? Polynomial::monomial(1, 0) : Polynomial::monomial(0, 1);
        case Kind::Open:
            return parenthesized();
        case Kind::Close:
            if (depth_ == 0) {
                lexer_.refuse(token.start, "zagrada \")\" nije otvorena");
            }
            unexpected();
        default:
            unexpected();
        }
    }

    Polynomial parenthesized() {
        const std::size_t open = ahead_.start;
        if (++depth_ > kDeepestNesting) {
            lexer_.refuse(open,
                          "vise od " + std::to_string(kDeepestNesting) + " zagrada jedna u drugoj");
        }
        advance();
        Polynomial inside = sum();
        if (ahead_.kind != Kind::Close) {
            if (ahead_.kind == Kind::End || ahead_.kind == Kind::Equals) {
                lexer_.refuse(open, "zagrada \"(\" nije zatvorena");
            }
            powerAfterPower();
        }
        advance();
        --depth_;
        return inside;
    }

    Lexer lexer_;
    Token ahead_;
    int depth_ = 0;
};

// A term above the second degree that the collecting leaves, the first in x's powers.
void refuseHigherTerms(const Polynomial& p) {
    for (int degree = kHighestDegree; degree > 2; --degree) {
        for (int i = degree; i >= 0; --i) {
            if (!p.isZeroAt(i, degree - i)) {
                throw Refusal{"Posle sredjivanja ostaje clan " + monomialText(i, degree - i) +
                              ", treceg stepena, a jednacina mora biti drugog stepena."};
            }
        }
    }
}

} // namespace

EquationReading readEquation(std::string_view text) {
    EquationReading reading;
    try {
        if (text.size() > kLongestEquation) {
            throw Refusal{"Jednacina je duza od " + std::to_string(kLongestEquation) + " znakova."};
        }
        Parser parser(text);
        const Polynomial p = parser.equation();
        if (!parser.sawVariable()) {
            throw Refusal{"U jednacini nema ni x ni y."};
        }
        refuseHigherTerms(p);
        if (p.degree() < 2) {
            throw Refusal{"Ono sto ste uneli nije kriva drugog reda!"};
        }
        reading.coefficients = {p.at(2, 0), p.at(1, 1), p.at(0, 2),
                                p.at(1, 0), p.at(0, 1), p.at(0, 0)};
        reading.accepted = true;
    } catch (const Refusal& refusal) {
        reading.refusal = refusal.line;
    }
    return reading;
}
