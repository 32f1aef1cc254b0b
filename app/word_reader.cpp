#include "app/word_reader.h"

#include "app/typed_number.h"

namespace {

// The blanks and line ends of the C locale, which scanf skips.
bool isSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isWordByte(int c) {
    return c != EOF && !isSpace(c);
}

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}

bool isLoneSign(const Word& word) {
    return !word.continued && (word.text == "+" || word.text == "-");
}

} // namespace

int FileSource::next() {
    const int c = peek();
    if (c != EOF) { // the end stays the end, also on a console
        ahead_ = kNothingAhead;
    }
    return c;
}

int FileSource::peek() {
    if (ahead_ == kNothingAhead) {
        ahead_ = std::getc(file_);
    }
    return ahead_;
}

int StringSource::next() {
    return at_ < text_.size() ? static_cast<unsigned char>(text_[at_++]) : EOF;
}

int StringSource::peek() {
    return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : EOF;
}

std::optional<Word> WordReader::next() {
    Word word;
    word.continued = insideLongWord_;
    if (atStart_) {
        atStart_ = false;
        word.text = partialByteOrderMark();
    }
    if (word.text.empty() && !word.continued) {
        skipSpace();
    }
    // The blank kept between a sign and its number does not count: the limit is on the
    // number as joined.
    std::size_t longest = kLongestNumber;
    while (word.text.size() <= longest && isWordByte(source_.peek())) {
        word.text += static_cast<char>(source_.next());
        if (isLoneSign(word) && isBlank(source_.peek())) {
            skipBlanks();
            if (isWordByte(source_.peek())) {
                word.text += ' ';
                ++longest;
            }
        }
    }
    insideLongWord_ = isWordByte(source_.peek());
    if (word.text.empty()) {
        return std::nullopt;
    }
    return word;
}

// Some editors start a UTF-8 file with the byte-order mark EF BB BF, which is no part of the
// first word. Returns the bytes taken when they turn out not to be the whole mark.
std::string WordReader::partialByteOrderMark() {
    static const std::string kMark = "\xEF\xBB\xBF";
    std::string taken;
    while (taken.size() < kMark.size() &&
           source_.peek() == static_cast<unsigned char>(kMark[taken.size()])) {
        taken += static_cast<char>(source_.next());
    }
    return taken == kMark ? "" : taken;
}

void WordReader::skipSpace() {
    while (isSpace(source_.peek())) {
        source_.next();
    }
}

void WordReader::skipBlanks() {
    while (isBlank(source_.peek())) {
        source_.next();
    }
}
