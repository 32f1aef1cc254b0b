#include "transcript_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// Every run starts with these six prompts, one for each coefficient.
const char* const kPrompts = "Unesite koeficijent uz X^2\n"
                             "Unesite koeficijent ux XY\n"
                             "Unesite koeficijent ux Y^2\n"
                             "Unesite koeficijent ux X\n"
                             "Unesite koeficijent ux Y\n"
                             "Unesite slobodan clan\n";

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
        } else if (line == "window" || line == "no-window") {
            current_.opensWindow = line == "window";
        } else if (line == "prompts") {
            current_.expectedOutput += kPrompts;
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

    std::string unescape(const std::string& text) {
        std::string result;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\') {
                result += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == 'n') {
                result += '\n';
                ++i;
            } else if (i + 1 < text.size() && text[i + 1] == '\\') {
                result += '\\';
                ++i;
            } else {
                fail("only \\n and \\\\ may follow a backslash");
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
