#pragma once

#include <string>
#include <string_view>

// What every reading of an equation must do, whatever its text: a refusal is one line of
// plain ASCII that ends a sentence; an equation read is of second order, and written back
// with equationText it reads again to the same six coefficients. Returns "" when both hold,
// otherwise what is wrong.
std::string checkEquationReading(std::string_view text);
