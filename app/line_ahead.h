#pragma once

#include "app/word_reader.h"

#include <optional>
#include <string>

// The text as the words of the prompts read it, with one addition: between two words, the
// next line can be looked at whole before its words are read, and then either taken (it was
// an equation) or left to the words, byte for byte as if it had never been looked at.
class LineAhead final : public TextSource {
  public:
    explicit LineAhead(TextSource& source) : source_(source) {}
    int next() override;
    int peek() override;

    // Called between words: when nothing but blanks is left on the current line, the next
    // line that holds something, from its first byte that is not blank (a byte-order mark at
    // the start of the text left out). Nothing when a word follows on the current line, at the
    // end of the text, or when the line is longer than an equation may be: its words are read.
    std::optional<std::string> nextLine();
    // The line that nextLine gave is taken whole; its words are not read.
    void takeLine();

  private:
    int take();
    std::size_t skipBlanks(bool lineEnds);

    TextSource& source_;
    std::string ahead_;     // taken from the source, not yet read
    std::size_t at_ = 0;    // the next byte of ahead_ to be read
    bool started_ = false;  // a byte has been read
    bool lineStart_ = true; // the last byte read ended a line
};
