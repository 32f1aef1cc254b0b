// An independent reading of the console output: every line must be one of the program's own
// texts, written from the output formats, with its numbers as printf writes them.
#include "console_check.h"

#include <regex>
#include <vector>

namespace {

const char* const kPrompts[] = {"Unesite koeficijent uz X^2\n", "Unesite koeficijent ux XY\n",
                                "Unesite koeficijent ux Y^2\n", "Unesite koeficijent ux X\n",
                                "Unesite koeficijent ux Y\n",   "Unesite slobodan clan\n"};

// The lines that end the reading before six numbers.
const std::string kEndOfInput = "Unos je zavrsen pre nego sto je uneto svih sest brojeva.\n";
const std::string kTooManyUnreadable = "Unos se prekida: 100 reci zaredom nisu brojevi.\n";

const std::string kNotSecondOrder = "Ono sto ste uneli nije kriva drugog reda!";

// At the first prompt, a line read as the whole equation.
const std::string kWholeEquation = "Red je procitan kao cela jednacina.\n";
const std::string kTooLarge = "Brojevi su preveliki za svodjenje na kanonski oblik.";

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

// The lines of the reduction steps, as printed (several prints may make one line).
const char* const kStepFormats[] = {
    "<=>(translacija za vektor(%5.2f,%5.2f))",
    " %5.2f*(X'+%5.2f)^2+%5.2f*(X'+%5.2f)*(Y' +%5.2f)",
    "+%5.2f*(Y'+%5.2f)^2+%5.2f",
    "+%5.2f*(Y'+%5.2f)^2+%5.2f*(X'+%5.2f)+%5.2f*(Y'+%5.2f)+%5.2f",
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

// The format's literal text, with every "%5.2f" standing for a finite number: no line of the
// program shows another.
std::string patternOf(const std::string& format) {
    static const std::string kSpecial = ".^$|()[]{}*+?\\";
    std::string pattern;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 5, "%5.2f") == 0) {
            pattern += kAny2;
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
// minus sign of a negative one; a positive free term has five decimals.
std::regex equationLine() {
    const auto signedTerm = [](const std::string& name) {
        return "(?:(?:\\+" + kPositive2 + "|" + kNegative2 + ")\\*" + name + " )?";
    };
    return std::regex("(?:" + kAny2 + "\\*X\\^2 )?" + signedTerm("X\\*Y") + signedTerm("Y\\^2") +
                      signedTerm("X") + signedTerm("Y") + "(?:\\+" + kPositive5 + " |" +
                      kNegative2 + " )?");
}

bool matches(const std::string& line, const std::regex& pattern) {
    return line.size() <= kLongestLine && std::regex_match(line, pattern);
}

bool isEquationLine(const std::string& line) {
    static const std::regex kPattern = equationLine();
    return matches(line, kPattern);
}

bool isStepLine(const std::string& line) {
    static const std::vector<std::regex> kSteps = [] {
        std::vector<std::regex> steps;
        for (const char* format : kStepFormats) {
            steps.emplace_back(patternOf(format));
        }
        return steps;
    }();
    for (const std::regex& step : kSteps) {
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

// A word that is not a number, quoted: up to 40 printable characters, "..." when cut there.
bool isRefusal(const std::string& line) {
    static const std::regex kPattern("\"(?:[ -~]{1,40}|[ -~]{40}\\.\\.\\.)\" "
                                     "(?:nije broj|je prevelik broj)\\.");
    return matches(line, kPattern);
}

// The six coefficients of an equation, each a whole number or a fraction.
bool isEquationEcho(const std::string& line) {
    static const std::string kWord = "-?[0-9]+(?:/[0-9]+)?";
    static const std::regex kPattern("Koeficijenti: uz X\\^2 = " + kWord + ", uz XY = " + kWord +
                                     ", uz Y\\^2 = " + kWord + ", uz X = " + kWord +
                                     ", uz Y = " + kWord + ", slobodan clan = " + kWord);
    return line.size() <= kLongestLine ? std::regex_match(line, kPattern)
                                       : line.rfind("Koeficijenti: uz X^2 = ", 0) == 0;
}

// Why an equation is refused: a place and what is wrong there, or one of the sentences about
// the whole equation, or a coefficient too large for a float.
bool isEquationRefusal(const std::string& line) {
    static const std::regex kPlace("Na mestu [1-9][0-9]*: [ -~]+\\.");
    static const std::regex kWhole("(?:Leva|Desna) strana jednacine je prazna\\.|Jednacina je "
                                   "prazna\\.|U jednacini nema ni x ni y\\.|Posle sredjivanja "
                                   "ostaje clan [xy^0-9]+, treceg stepena, a "
                                   "jednacina mora biti drugog stepena\\.");
    return matches(line, kPlace) || matches(line, kWhole) || line == kNotSecondOrder ||
           isRefusal(line);
}

// How the reading went: each prompt in turn, asked again after every refused word, until a
// number is read; or it stopped before six numbers with a line that says why.
struct Reading {
    std::size_t end = 0;  // where the output after the reading starts
    bool complete = true; // six numbers were read
    std::string problem;
};

bool startsWithAt(const std::string& text, std::size_t at, const std::string& head) {
    return text.compare(at, head.size(), head) == 0;
}

// The line of text that starts at at, without its line end ("" when there is none).
std::string lineAt(const std::string& text, std::size_t at) {
    const std::size_t end = text.find('\n', at);
    return end == std::string::npos ? "" : text.substr(at, end - at);
}

// The reading stops with one of its two lines: after a refused word, or after a prompt asked
// again when the rest of a word too long to be a number made up the unreadable words.
bool stopsAt(const std::string& transcript, Reading& r) {
    for (const std::string& line : {kEndOfInput, kTooManyUnreadable}) {
        if (startsWithAt(transcript, r.end, line)) {
            r.end += line.size();
            r.complete = false;
            return true;
        }
    }
    return false;
}

// After the line that says so, the coefficients of the equation end the reading; a refusal
// does not.
bool readsEquation(const std::string& transcript, Reading& r) {
    r.end += kWholeEquation.size();
    const std::string line = lineAt(transcript, r.end);
    if (isEquationEcho(line)) {
        r.end += line.size() + 1;
        return true;
    }
    if (!isEquationRefusal(line)) {
        r.problem = "an equation neither read nor refused: [" + line + "]";
    }
    return false;
}

Reading readingOf(const std::string& transcript) {
    Reading r;
    for (const std::string prompt : kPrompts) {
        if (!startsWithAt(transcript, r.end, prompt)) {
            r.problem = "not the prompt expected: [" + lineAt(transcript, r.end) + "]";
            return r;
        }
        r.end += prompt.size();
        while (!stopsAt(transcript, r)) {
            if (prompt == kPrompts[0] && startsWithAt(transcript, r.end, kWholeEquation)) {
                if (readsEquation(transcript, r) || !r.problem.empty()) {
                    return r;
                }
            } else if (!isRefusal(lineAt(transcript, r.end))) {
                break;
            }
            r.end += lineAt(transcript, r.end).size() + 1;
            if (stopsAt(transcript, r)) {
                return r;
            }
            if (!startsWithAt(transcript, r.end, prompt)) {
                r.problem = "a refused word without its prompt again";
                return r;
            }
            r.end += prompt.size();
        }
        if (!r.complete) {
            return r;
        }
    }
    return r;
}

} // namespace

std::string checkTranscript(const std::string& transcript, int result, bool traced, bool ellipse) {
    const Reading reading = readingOf(transcript);
    if (!reading.problem.empty()) {
        return reading.problem;
    }
    const std::string rest = transcript.substr(reading.end);
    if (!reading.complete) {
        return rest.empty() && result == 1 && !traced ? "" : "the run goes on after the reading";
    }
    if (rest == kNotSecondOrder) {
        return result == 1 && !traced ? "" : "a run that is not of second order goes on";
    }
    if (rest.empty() || rest.back() != '\n') {
        return "the output does not end with a line end";
    }
    const std::vector<std::string> lines = linesOf(rest);
    if (!isEquationLine(lines[0])) {
        return "the entered equation is not echoed first: [" + lines[0] + "]";
    }
    // Numbers that overflow the floats on the way: the echo, this line and nothing else.
    if (lines.size() > 1 && lines[1] == kTooLarge) {
        return lines.size() == 2 && result == 1 && !traced
                   ? ""
                   : "the run goes on after [" + kTooLarge + "]";
    }
    std::size_t stepsEnd = lines.size();
    if (traced) {
        const std::string legends = checkLegends(lines, ellipse);
        if (!legends.empty()) {
            return legends;
        }
        stepsEnd -= 4;
    }
    for (std::size_t i = 1; i < stepsEnd; ++i) {
        const std::string& line = lines[i];
        if (isMessage(line)) {
            if (i + 1 != lines.size() || result != 1) {
                return "a message that does not end a run with result 1: [" + line + "]";
            }
        } else if (!isEquationLine(line) && !isStepLine(line)) {
            return "not a line of the program: [" + line + "]";
        }
    }
    return "";
}
