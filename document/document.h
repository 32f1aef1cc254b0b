#pragma once

#include "document/expression.h"

#include <string>
#include <vector>

// A worked exercise as a document: numbered sections of short sentences with expressions in
// them, and displayed expressions, one a line. Writers turn it into plain text, LaTeX, ...

// A piece of a sentence: words, or an expression within the line.
struct Phrase {
    std::string words;
    Expr math; // set instead of words
};

struct Block {
    std::vector<Phrase> sentence; // a sentence, or
    std::vector<Expr> display;    // expressions shown apart, one a line
};

struct Section {
    std::string title;
    std::vector<Block> blocks;
    bool newPage = false; // printed, it starts a page of its own (the key of a sheet)
};

struct Document {
    std::string title;
    std::vector<Section> sections;
};

// Builders for the blocks of a section.
Phrase words(std::string text);
Phrase math(Expr e);
Block sentence(std::vector<Phrase> phrases);
Block display(std::vector<Expr> lines);
