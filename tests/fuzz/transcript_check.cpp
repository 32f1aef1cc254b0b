// An independent reading of the console output: every line must be one of the program's own
// texts, written from the output formats, with its numbers as printf writes them.
#include "console_check.h"

#include <regex>
#include <vector>

namespace {

const std::string kPrompts = "Unesite koeficijent uz X^2\n"
                             "Unesite koeficijent ux XY\n"
                             "Unesite koeficijent ux Y^2\n"
                             "Unesite koeficijent ux X\n"
                             "Unesite koeficijent ux Y\n"
                             "Unesite slobodan clan\n";

const std::string kNotSecondOrder = "Ono sto ste uneli nije kriva drugog reda!";

const char* const kMessages[] = {"Resenje je imaginarna kriva.", "Dve prave. ",
                                 "Resenje je prazan skup"};

const char* const kLegends[] = {"Zeleno je x-osa, plavo y.", "Zeleno je x-osa, plavo y.",
                                "Zuto je x-osa,a narandzasto y.",
                                "Ljubicasta je x-osa,a svetloplavo y."};

// Finite numbers as printf writes them: "%5.2f" right-aligned in at least five characters,
// "%7.5f" (only ever positive here) in at least seven, "%f" (positive) with six decimals.
const std::string kPositive2 = "(?: [0-9]\\.[0-9]{2}|[0-9]{2,}\\.[0-9]{2})";
const std::string kNegative2 = "(?:-[0-9]+\\.[0-9]{2})";
const std::string kAny2 = "(?:" + kPositive2 + "|" + kNegative2 + ")";
const std::string kPositive5 = "(?:[0-9]+\\.[0-9]{5})";
const std::string kPositive6 = "(?:[0-9]+\\.[0-9]{6})";

// "%5.2f" of an infinity or a NaN.
const std::string kNonFinite2 = "(?:  inf| -inf|  nan| -nan)";

// The lines of the reduction steps, as printed (several prints may make one line).
const char* const kStepFormats[] = {
    "<=>(translacija za vektor(%5.2f,%5.2f))",
    " %5.2f*(X'+%5.2f)^2+%5.2f*(X'+%5.2f)*(Y' +%5.2f)",
    "+%5.2f*(Y'+%5.2f)^2+%5.2f",
    "<=> (rotacija za ugao %5.2f)",
    "(%5.2f*(cos%5.2f )^2+%5.2f*cos%5.2f*sin%5.2f+%5.2f*(sin %5.2f)^2)*X'^2",
    "(%5.2f*(sin%5.2f )^2-%5.2f*cos%5.2f*sin%5.2f+%5.2f*(cos%5.2f)^2)*Y'^2",
    "+(%5.2f*(sin%5.2f )^2-%5.2f*cos%5.2f*sin%5.2f+%5.2f*(cos%5.2f)^2)*Y'^2",
    "+(%5.2f*cos%5.2f+%5.2f*sin%5.2f)*X' +(%5.2f*cos%5.2f-%5.2f*sin%5.2f)*Y' ",
    "+%5.2f",
    "%5.2f*(X' +%5.2f)^2+%5.2f*(X' + %5.2f)",
    "+%5.2f*(Y' + %5.2f)+%5.2f",
    "%5.2f*(Y' +%5.2f)^2+%5.2f*(X' + %5.2f)",
    "<=>(Potrebno je izvrsiti refleksiju)",
};

// No line of the program comes near this; the limit keeps the regex engine's recursion short.
const std::size_t kLongestLine = 1000;

// Whether the numbers of a line may be infinities and NaNs too.
enum class Numbers { Finite, AnyFloat };

// The format's literal text, with every "%5.2f" standing for a number.
std::string patternOf(const std::string& format, Numbers numbers = Numbers::Finite) {
    static const std::string kSpecial = ".^$|()[]{}*+?\\";
    std::string pattern;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 5, "%5.2f") == 0) {
            pattern += numbers == Numbers::Finite ? kAny2 : "(?:" + kAny2 + "|" + kNonFinite2 + ")";
            i += 4;
        } else if (format.compare(i, 2, "%f") == 0) {
            pattern += kPositive6;
            i += 1;
        } else {
            if (kSpecial.find(format[i]) != std::string::npos) {
                pattern += '\\';
            }
            pattern += format[i];
        }
    }
    return pattern;
}

// An equation line: each of the six terms is optional, in storage order, each followed by a
// blank. The X^2 term has no "+"; the others show "+" before a positive value and rely on the
// minus sign of a negative one; a positive free term has five decimals. With AnyFloat, the
// numbers may also be infinities, and the X^2 term a NaN (which the other terms leave out).
std::regex equationLine(Numbers numbers) {
    const bool nonFinite = numbers == Numbers::AnyFloat;
    const std::string positive = nonFinite ? "(?:" + kPositive2 + "|  inf)" : kPositive2;
    const std::string negative = nonFinite ? "(?:" + kNegative2 + "| -inf)" : kNegative2;
    const std::string any = nonFinite ? "(?:" + kAny2 + "|" + kNonFinite2 + ")" : kAny2;
    const std::string positive5 = nonFinite ? "(?:" + kPositive5 + "|    inf)" : kPositive5;
    const auto signedTerm = [&](const std::string& name) {
        return "(?:(?:\\+" + positive + "|" + negative + ")\\*" + name + " )?";
    };
    return std::regex("(?:" + any + "\\*X\\^2 )?" + signedTerm("X\\*Y") + signedTerm("Y\\^2") +
                      signedTerm("X") + signedTerm("Y") + "(?:\\+" + positive5 + " |" + negative +
                      " )?");
}

bool matches(const std::string& line, const std::regex& pattern) {
    return line.size() <= kLongestLine && std::regex_match(line, pattern);
}

bool isEquationLine(const std::string& line, Numbers numbers) {
    static const std::regex kFinite = equationLine(Numbers::Finite);
    static const std::regex kAnyFloat = equationLine(Numbers::AnyFloat);
    return matches(line, numbers == Numbers::Finite ? kFinite : kAnyFloat);
}

std::vector<std::regex> stepLines(Numbers numbers) {
    std::vector<std::regex> steps;
    for (const char* format : kStepFormats) {
        steps.emplace_back(patternOf(format, numbers));
    }
    return steps;
}

bool isStepLine(const std::string& line, Numbers numbers) {
    static const std::vector<std::regex> kFinite = stepLines(Numbers::Finite);
    static const std::vector<std::regex> kAnyFloat = stepLines(Numbers::AnyFloat);
    for (const std::regex& step : numbers == Numbers::Finite ? kFinite : kAnyFloat) {
        if (matches(line, step)) {
            return true;
        }
    }
    return false;
}

bool isMessage(const std::string& line) {
    for (const char* message : kMessages) {
        if (line == message) {
            return true;
        }
    }
    return false;
}

// The semi-axes of an ellipse are printed without a line end, before the first legend.
bool isSemiAxesAndLegend(const std::string& line) {
    static const std::regex kPattern(patternOf("Brojevi %f i %f") + patternOf(kLegends[0]));
    return matches(line, kPattern);
}

// Every line end closes a line; the text is known to end with one.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string checkLegends(const std::vector<std::string>& lines, bool ellipse) {
    if (lines.size() < 5) {
        return "a traced curve without the four frame legends after the echo";
    }
    const std::size_t first = lines.size() - 4;
    const bool firstFits =
        ellipse ? isSemiAxesAndLegend(lines[first]) : lines[first] == kLegends[0];
    if (!firstFits) {
        return "the legends do not start the last four lines" +
               std::string(ellipse ? " after the semi-axes: [" : ": [") + lines[first] + "]";
    }
    for (std::size_t i = 1; i < 4; ++i) {
        if (lines[first + i] != kLegends[i]) {
            return "not the legend expected: [" + lines[first + i] + "]";
        }
    }
    return "";
}

} // namespace

std::string checkTranscript(const std::string& transcript, int result, bool traced, bool ellipse) {
    if (transcript.compare(0, kPrompts.size(), kPrompts) != 0) {
        return "the six prompts do not come first";
    }
    const std::string rest = transcript.substr(kPrompts.size());
    if (rest == kNotSecondOrder) {
        return result == 1 && !traced ? "" : "a run that is not of second order goes on";
    }
    if (rest.empty() || rest.back() != '\n') {
        return "the output does not end with a line end";
    }
    const std::vector<std::string> lines = linesOf(rest);

    if (!isEquationLine(lines[0], Numbers::Finite)) {
        if (!isEquationLine(lines[0], Numbers::AnyFloat)) {
            return "the entered equation is not echoed first: [" + lines[0] + "]";
        }
        return lines.size() == 1 && result == 1 && !traced
                   ? ""
                   : "the run goes on after a coefficient that is not finite";
    }
    std::size_t stepsEnd = lines.size();
    if (traced) {
        const std::string legends = checkLegends(lines, ellipse);
        if (!legends.empty()) {
            return legends;
        }
        stepsEnd -= 4;
    }
    // A step whose float arithmetic overflowed shows an infinity; nothing is traced then.
    bool nonFiniteShown = false;
    for (std::size_t i = 1; i < stepsEnd; ++i) {
        const std::string& line = lines[i];
        if (isMessage(line)) {
            if (i + 1 != lines.size() || result != 1) {
                return "a message that does not end a run with result 1: [" + line + "]";
            }
        } else if (!isEquationLine(line, Numbers::Finite) && !isStepLine(line, Numbers::Finite)) {
            if (!isEquationLine(line, Numbers::AnyFloat) && !isStepLine(line, Numbers::AnyFloat)) {
                return "not a line of the program: [" + line + "]";
            }
            nonFiniteShown = true;
        }
    }
    if (nonFiniteShown && traced) {
        return "a curve traced after a step showed a number that is not finite";
    }
    return "";
}
