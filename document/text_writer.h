#pragma once

#include "document/document.h"

#include <string>

// Plain ASCII, in the small grammar that every exact value of the text follows:
//   value  = term {("+" | "-") term}
//   term   = factor {("*" | "/") factor}
//   factor = "-" factor | atom ["^" integer]
//   atom   = integer | variable | "sqrt(" value ")" | "(" value ")"
// Relations join values with " = ", " < ", " > ", " != " and " ~ " (approximately, before a
// decimal). Variables are letters, digits and primes: x, x', X, phi, lambda1, x0.
std::string textOf(const Expr& e);

// The document: its title, then each section numbered, its sentences on lines of their own
// and its displayed expressions indented by four blanks.
std::string textOf(const Document& document);
