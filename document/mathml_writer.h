#pragma once

#include "document/document.h"

#include <string>

// MathML, as current browsers show it without a library: an expression as a <math> element,
// and the document as a fragment of HTML, each section a heading, its sentences paragraphs
// with their formulas inline and its displayed expressions blocks of their own.
std::string mathmlOf(const Expr& e, bool block = false);
std::string htmlOf(const Document& document);
