#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

// Where typed text comes from: the console, or a string (form fields on a page).
class TextSource {
  public:
    virtual ~TextSource() = default;
    // The next byte (0 to 255), or EOF at the end of the text.
    virtual int next() = 0;
    // The same byte, left for the next call.
    virtual int peek() = 0;
};

// Reads the file byte by byte, so that a console line is taken as soon as it is typed.
class FileSource final : public TextSource {
  public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    int next() override;
    int peek() override;

  private:
    static constexpr int kNothingAhead = -2;
    std::FILE* file_;
    int ahead_ = kNothingAhead; // the byte that peek has taken from the file
};

class StringSource final : public TextSource {
  public:
    explicit StringSource(std::string text) : text_(std::move(text)) {}
    int next() override;
    int peek() override;

  private:
    std::string text_;
    std::size_t at_ = 0;
};

// A word: bytes between blanks and line ends. A sign followed by blanks and more on the same
// line is one word with its number ("- 4"). A word is read in pieces of at most
// kLongestNumber + 1 bytes, so that any input is read in bounded memory: a piece that long is
// no number, and the rest of its word comes as further pieces, marked as such.
struct Word {
    std::string text;
    bool continued = false; // the rest of a word too long to be a number
};

class WordReader {
  public:
    explicit WordReader(TextSource& source) : source_(source) {}

    // The next word, or nothing at the end of the text.
    std::optional<Word> next();

  private:
    std::string partialByteOrderMark();
    void skipSpace();
    void skipBlanks();

    TextSource& source_;
    bool atStart_ = true;
    bool insideLongWord_ = false;
};
