#include "transcript_file.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// The prompts for the six coefficients, in order.
const char* const kPrompts[] = {"Unesite koeficijent uz X^2\n", "Unesite koeficijent ux XY\n",
                                "Unesite koeficijent ux Y^2\n", "Unesite koeficijent ux X\n",
                                "Unesite koeficijent ux Y\n",   "Unesite slobodan clan\n"};

// The legends of the four coordinate frames that follow every traced curve.
const char* const kLegends = "Zeleno je x-osa, plavo y.\n"
                             "Zeleno je x-osa, plavo y.\n"
                             "Zuto je x-osa,a narandzasto y.\n"
                             "Ljubicasta je x-osa,a svetloplavo y.\n";

class Parser {
  public:
    explicit Parser(const std::string& path) : path_(path) {}

    std::vector<TranscriptCase> parse(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            parseLine(line);
        }
        if (inCase_) {
            fail("case '" + current_.name + "' has no 'end'");
        }
        if (cases_.empty()) {
            fail("no cases");
        }
        return cases_;
    }

  private:
    void parseLine(const std::string& line) {
        const std::string keyword = line.substr(0, line.find(' '));
        const std::string rest =
            line.size() > keyword.size() ? line.substr(keyword.size() + 1) : "";
        if (!inCase_) {
            if (line.empty() || line[0] == '#') {
                return;
            }
            if (keyword != "case" || rest.empty()) {
                fail("expected 'case NAME'");
            }
            current_ = TranscriptCase{};
            current_.name = rest;
            inCase_ = true;
        } else if (keyword == "repeat") {
            std::istringstream fields(rest);
            int count = 0;
            std::string repeated;
            if (!(fields >> count) || !std::getline(fields >> std::ws, repeated)) {
                fail("expected 'repeat COUNT LINE'");
            }
            for (int i = 0; i < count; ++i) {
                parseLine(repeated);
            }
        } else if (keyword == "argument") {
            current_.arguments.push_back(rest);
        } else if (keyword == "input") {
            std::istringstream words(rest);
            std::string word;
            while (words >> word) {
                current_.input += word + "\n";
            }
        } else if (keyword == "input-line") {
            std::istringstream fields(rest);
            size_t count = 0;
            char c = 0;
            if (!(fields >> count >> c)) {
                fail("expected 'input-line COUNT CHARACTER'");
            }
            current_.input += std::string(count, c) + "\n";
        } else if (keyword == "input-text") {
            current_.input += unescape(rest);
        } else if (line == "window" || line == "no-window") {
            current_.opensWindow = line == "window";
        } else if (keyword == "keys") {
            current_.keys = rest;
        } else if (keyword == "prompts" || keyword == "prompt") {
            addPrompts(keyword, rest);
        } else if (line == "legends") {
            current_.expectedOutput += kLegends;
        } else if (keyword == "out") {
            current_.expectedOutput += unescape(rest);
        } else if (line == "rest-unchecked") {
            current_.restUnchecked = true;
        } else if (line == "end") {
            cases_.push_back(current_);
            inCase_ = false;
        } else {
            fail("unknown line '" + line + "'");
        }
    }

    // "prompt N": the N-th; "prompts": all six; "prompts N": the first N; "prompts M-N".
    void addPrompts(const std::string& keyword, const std::string& range) {
        int first = 1;
        int last = 6;
        if (keyword == "prompt") {
            first = last = promptNumber(range);
        } else if (range.size() == 3 && range[1] == '-') {
            first = promptNumber(range.substr(0, 1));
            last = promptNumber(range.substr(2));
        } else if (!range.empty()) {
            last = promptNumber(range);
        }
        for (int i = first; i <= last; ++i) {
            current_.expectedOutput += kPrompts[i - 1];
        }
    }

    int promptNumber(const std::string& text) {
        if (text.size() != 1 || text[0] < '1' || text[0] > '6') {
            fail("a prompt number is 1 to 6");
        }
        return text[0] - '0';
    }

    std::string unescape(const std::string& text) {
        std::string result;
        for (size_t i = 0; i < text.size(); ++i) {
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            if (text[i] != '\\') {
                result += text[i];
            } else if (next == 'n' || next == 't' || next == '\\') {
                result += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
            } else if (next == 'x' && i + 3 < text.size() &&
                       std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
                       std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
                result += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                fail("only n, t, \\ and xHH may follow a backslash");
            }
        }
        return result;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(path_ + ":" + std::to_string(lineNumber_) + ": " + what);
    }

    std::string path_;
    int lineNumber_ = 0;
    bool inCase_ = false;
    TranscriptCase current_;
    std::vector<TranscriptCase> cases_;
};

} // namespace

std::vector<TranscriptCase> readTranscripts(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Parser(path).parse(in);
}
