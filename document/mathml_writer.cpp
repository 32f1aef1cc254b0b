#include "document/mathml_writer.h"

#include "document/writing.h"

#include <cctype>

namespace {

std::string tag(const char* name, const std::string& inside) {
    return std::string("<") + name + ">" + inside + "</" + name + ">";
}

std::string row(const std::string& inside) {
    return tag("mrow", inside);
}

std::string op(const std::string& symbol) {
    return tag("mo", symbol);
}

std::string fenced(const std::string& inside) {
    return row(op("(") + inside + op(")"));
}

// The characters HTML reads otherwise.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// "lambda1" is lambda with the subscript 1, "x'" x with a prime, "phi" the Greek letter.
std::string variableMathml(const std::string& name) {
    const VariableName parts = splitName(name);
    const std::string letter = parts.letters == "phi"      ? "&#x3C6;"
                               : parts.letters == "lambda" ? "&#x3BB;"
                               : parts.letters == "theta"  ? "&#x3B8;"
                                                           : parts.letters;
    std::string primes;
    for (std::size_t i = 0; i < parts.primes.size(); ++i) {
        primes += "&#x2032;";
    }
    const std::string identifier = tag("mi", letter + primes);
    return parts.digits.empty() ? identifier : tag("msub", identifier + tag("mn", parts.digits));
}

std::string write(const Expr& e);

std::string sumMathml(const Expression& e) {
    return row(sumOf(e, write, fenced, op("+"), op("&#x2212;")));
}

std::string productMathml(const Expression& e) {
    std::string text;
    for (std::size_t i = 0; i < e.parts.size(); ++i) {
        const Expr& factor = e.parts[i];
        const bool bracket = factor->shape == Shape::Sum || (i > 0 && isNegation(factor));
        if (i > 0) {
            const bool number = factor->shape == Shape::Integer || factor->shape == Shape::Decimal;
            text += op(number ? "&#x22C5;" : "&#x2062;");
        }
        text += bracket ? fenced(write(factor)) : write(factor);
    }
    return row(text);
}

std::string relationOperator(char c) {
    switch (c) {
    case '<':
        return op("&lt;");
    case '>':
        return op("&gt;");
    case '#':
        return op("&#x2260;");
    case '~':
        return op("&#x2248;");
    default:
        return op("=");
    }
}

std::string listMathml(const std::vector<Expr>& parts) {
    return listOf(parts, 0, parts.size(), op(","), write);
}

std::string determinantMathml(const Expression& e) {
    const std::size_t columns = static_cast<std::size_t>(e.columns);
    std::string rows;
    for (std::size_t r = 0; r * columns < e.parts.size(); ++r) {
        std::string cells;
        for (std::size_t c = 0; c < columns; ++c) {
            cells += tag("mtd", write(e.parts[r * columns + c]));
        }
        rows += tag("mtr", cells);
    }
    return row(op("|") + tag("mtable", rows) + op("|"));
}

std::string write(const Expr& e) {
    switch (e->shape) {
    case Shape::Integer:
    case Shape::Decimal:
        return tag("mn", e->text);
    case Shape::Variable:
        return variableMathml(e->text);
    case Shape::Sum:
        return sumMathml(*e);
    case Shape::Product:
    case Shape::Monomial:
        return productMathml(*e);
    case Shape::Quotient:
        return tag("mfrac", write(e->parts[0]) + write(e->parts[1]));
    case Shape::Power: {
        const Expr& base = e->parts[0];
        const bool plain = isAtom(base);
        return tag("msup", (plain ? write(base) : fenced(write(base))) + write(e->parts[1]));
    }
    case Shape::Root:
        return tag("msqrt", write(e->parts[0]));
    case Shape::Negation: {
        const Expr& operand = e->parts[0];
        const bool bracket = operand->shape == Shape::Sum || isNegation(operand);
        return row(op("&#x2212;") + (bracket ? fenced(write(operand)) : write(operand)));
    }
    case Shape::Relation: {
        std::string text = write(e->parts[0]);
        for (std::size_t i = 1; i < e->parts.size(); ++i) {
            text += relationOperator(e->text[i - 1]) + write(e->parts[i]);
        }
        return row(text);
    }
    case Shape::Function: {
        const Expr& argument = e->parts[0];
        const std::string written = write(argument);
        return row(tag("mi", e->text) + op("&#x2061;") +
                   (standsAlone(argument) || argument->shape == Shape::Product ? written
                                                                               : fenced(written)));
    }
    case Shape::Tuple:
        return fenced(listMathml(e->parts));
    case Shape::Determinant:
        return determinantMathml(*e);
    }
    return "";
}

} // namespace

std::string mathmlOf(const Expr& e, bool block) {
    return std::string(block ? "<math display=\"block\">" : "<math>") + write(e) + "</math>";
}

std::string htmlOf(const Document& document) {
    std::string html = "<h2>" + escaped(document.title) + "</h2>\n";
    int number = 0;
    for (const Section& section : document.sections) {
        html += section.newPage ? "<section style=\"break-before: page\">\n" : "<section>\n";
        html += "<h3>" + std::to_string(++number) + ". " + escaped(section.title) + "</h3>\n";
        for (const Block& block : section.blocks) {
            if (block.sentence.empty()) {
                for (const Expr& line : block.display) {
                    html += mathmlOf(line, true) + "\n";
                }
                continue;
            }
            html += "<p>";
            for (const Phrase& phrase : block.sentence) {
                html += phrase.math ? mathmlOf(phrase.math) : escaped(phrase.words);
            }
            html += "</p>\n";
        }
        html += "</section>\n";
    }
    return html;
}
