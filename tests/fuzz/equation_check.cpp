#include "equation_check.h"

#include "equation/equation_reader.h"

namespace {

bool sameSix(const EquationCoefficients& a, const EquationCoefficients& b) {
    return a.x2 == b.x2 && a.xy == b.xy && a.y2 == b.y2 && a.x == b.x && a.y == b.y &&
           a.constant == b.constant;
}

std::string checkRefusal(const std::string& line) {
    if (line.empty() || (line.back() != '.' && line.back() != '!')) {
        return "a refusal that is not a sentence: [" + line + "]";
    }
    for (const char c : line) {
        if (c < ' ' || c > '~') {
            return "a refusal that is not one line of plain ASCII: [" + line + "]";
        }
    }
    return "";
}

} // namespace

std::string checkEquationReading(std::string_view text) {
    const EquationReading reading = readEquation(text);
    if (!reading.accepted) {
        return checkRefusal(reading.refusal);
    }
    const EquationCoefficients& six = reading.coefficients;
    if (six.x2.is_zero() && six.xy.is_zero() && six.y2.is_zero()) {
        return "an equation read without a second-order term";
    }
    const std::string written = equationText(six);
    const EquationReading again = readEquation(written);
    if (!again.accepted || !sameSix(again.coefficients, six)) {
        return "written back as [" + written + "], it reads " +
               (again.accepted ? "to other coefficients" : "as refused: " + again.refusal);
    }
    return "";
}
