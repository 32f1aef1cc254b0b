#pragma once

#include "document/document.h"

#include <string>

// LaTeX (amsmath): an expression as math-mode text, and the document as a whole file for a
// teacher's sheet, each section a heading, its expressions in display environments and its
// sentences as text.
std::string latexOf(const Expr& e);
std::string latexOf(const Document& document);
