#include "app/line_ahead.h"

#include "app/typed_number.h"

namespace {

bool isBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

const std::string kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

int LineAhead::peek() {
    return at_ < ahead_.size() ? static_cast<unsigned char>(ahead_[at_]) : source_.peek();
}

// The next byte, without counting it as read.
int LineAhead::take() {
    if (at_ < ahead_.size()) {
        const int c = static_cast<unsigned char>(ahead_[at_++]);
        if (at_ == ahead_.size()) {
            ahead_.clear();
            at_ = 0;
        }
        return c;
    }
    return source_.next();
}

int LineAhead::next() {
    const int c = take();
    if (c != EOF) {
        started_ = true;
        lineStart_ = c == '\n';
    }
    return c;
}

std::size_t LineAhead::skipBlanks(bool lineEnds) {
    std::size_t skipped = 0;
    while (isBlank(peek()) || (lineEnds && peek() == '\n')) {
        take();
        ++skipped;
    }
    return skipped;
}

std::optional<std::string> LineAhead::nextLine() {
    const bool atStart = !started_;
    std::size_t skipped = skipBlanks(false);
    if (!lineStart_ && peek() != '\n') {
        return std::nullopt;
    }
    skipped += skipBlanks(true);
    // The words look for a byte-order mark at the very start of the text: one blank stands
    // there for all that were skipped, so that they find none, as they would not have.
    std::string line = atStart && skipped > 0 ? " " : "";
    const std::size_t first = line.size();
    while (peek() != EOF && peek() != '\n' && line.size() - first <= kLongestNumber) {
        line += static_cast<char>(take());
    }
    std::string text = line.substr(first);
    const bool whole = (peek() == EOF || peek() == '\n') && text.size() <= kLongestNumber;
    if (peek() == '\n') {
        line += static_cast<char>(take());
    }
    ahead_ = line;
    at_ = 0;
    if (!whole || text.empty()) {
        return std::nullopt;
    }
    if (atStart && first == 0 && text.rfind(kByteOrderMark, 0) == 0) {
        text.erase(0, kByteOrderMark.size());
    }
    return text;
}

void LineAhead::takeLine() {
    ahead_.clear();
    at_ = 0;
    started_ = true;
    lineStart_ = true;
}
