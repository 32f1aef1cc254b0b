#pragma once

#include "exact/rational.h"

#include <optional>
#include <string>

// The exact value of a number written as strtof reads it: an optional sign, then decimal
// digits with an optional point and an exponent ("-12.5e-3"), or hexadecimal ones with a
// binary exponent ("0x1.8p3"). Nothing else, no blanks. Nothing, too, where the exponent
// would make the value longer than the text could ever need for a float (a value so far
// beyond the float range is not a float's anyway).
std::optional<Rational> exactValueOf(const std::string& text);
