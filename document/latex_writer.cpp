#include "document/latex_writer.h"

#include "document/writing.h"

#include <cctype>

namespace {

std::string grouped(const std::string& text) {
    return "\\left(" + text + "\\right)";
}

// "lambda1" is \lambda_{1}, "a11" a_{11}, "x0'" x_{0}', "phi" \varphi.
std::string variableLatex(const std::string& name) {
    const VariableName parts = splitName(name);
    std::string text = parts.letters == "phi"      ? "\\varphi"
                       : parts.letters == "lambda" ? "\\lambda"
                       : parts.letters == "theta"  ? "\\vartheta"
                                                   : parts.letters;
    if (!parts.digits.empty()) {
        text += "_{" + parts.digits + "}";
    }
    return text + parts.primes;
}

std::string operatorLatex(char op) {
    switch (op) {
    case '<':
        return " < ";
    case '>':
        return " > ";
    case '#':
        return " \\neq ";
    case '~':
        return " \\approx ";
    default:
        return " = ";
    }
}

std::string sumLatex(const Expression& e) {
    return sumOf(
        e, [](const Expr& term) { return latexOf(term); }, grouped, " + ", " - ");
}

bool startsWithDigit(const std::string& text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

// Juxtaposed, with a dot where two numbers (or a number and a fraction) would run together.
std::string productLatex(const Expression& e) {
    std::string text;
    for (std::size_t i = 0; i < e.parts.size(); ++i) {
        const Expr& factor = e.parts[i];
        const bool bracket = factor->shape == Shape::Sum || (i > 0 && isNegation(factor));
        const std::string written = bracket ? grouped(latexOf(factor)) : latexOf(factor);
        if (i > 0) {
            const bool dot = startsWithDigit(written) || (e.parts[i - 1]->shape == Shape::Integer &&
                                                          factor->shape == Shape::Quotient);
            text += dot ? " \\cdot " : " ";
        }
        text += written;
    }
    return text;
}

std::string functionLatex(const Expression& e) {
    const std::string name = e.text == "tg" ? "\\operatorname{tg}" : "\\" + e.text;
    const Expr& argument = e.parts[0];
    const std::string written = latexOf(argument);
    return name + " " +
           (standsAlone(argument) || argument->shape == Shape::Product ? written
                                                                       : grouped(written));
}

std::string listLatex(const std::vector<Expr>& parts, std::size_t from, std::size_t to,
                      const char* separator) {
    return listOf(parts, from, to, separator, [](const Expr& part) { return latexOf(part); });
}

std::string determinantLatex(const Expression& e) {
    std::string text = "\\begin{vmatrix}";
    const std::size_t columns = static_cast<std::size_t>(e.columns);
    for (std::size_t row = 0; row * columns < e.parts.size(); ++row) {
        text += (row > 0 ? " \\\\ " : " ") +
                listLatex(e.parts, row * columns, (row + 1) * columns, " & ");
    }
    return text + " \\end{vmatrix}";
}

// The program's words are plain ASCII; the few characters LaTeX reads otherwise are escaped.
std::string escaped(const std::string& words) {
    std::string text;
    for (const char c : words) {
        switch (c) {
        case '\\':
            text += "\\textbackslash{}";
            break;
        case '~':
        case '^':
            text += std::string("\\") + c + "{}";
            break;
        case '%':
        case '$':
        case '&':
        case '#':
        case '_':
        case '{':
        case '}':
            text += std::string("\\") + c;
            break;
        default:
            text += c;
        }
    }
    return text;
}

std::string blockLatex(const Block& block) {
    if (!block.sentence.empty()) {
        std::string text;
        for (const Phrase& phrase : block.sentence) {
            text += phrase.math ? "$" + latexOf(phrase.math) + "$" : escaped(phrase.words);
        }
        return text + "\n\n";
    }
    std::string text = "\\begin{gather*}\n";
    for (std::size_t i = 0; i < block.display.size(); ++i) {
        text += latexOf(block.display[i]) + (i + 1 < block.display.size() ? " \\\\\n" : "\n");
    }
    return text + "\\end{gather*}\n";
}

} // namespace

std::string latexOf(const Expr& e) {
    switch (e->shape) {
    case Shape::Integer:
    case Shape::Decimal:
        return e->text;
    case Shape::Variable:
        return variableLatex(e->text);
    case Shape::Sum:
        return sumLatex(*e);
    case Shape::Product:
    case Shape::Monomial:
        return productLatex(*e);
    case Shape::Quotient:
        return "\\frac{" + latexOf(e->parts[0]) + "}{" + latexOf(e->parts[1]) + "}";
    case Shape::Power: {
        const Expr& base = e->parts[0];
        const bool plain = isAtom(base);
        return (plain ? latexOf(base) : grouped(latexOf(base))) + "^{" + latexOf(e->parts[1]) + "}";
    }
    case Shape::Root:
        return "\\sqrt{" + latexOf(e->parts[0]) + "}";
    case Shape::Negation: {
        const Expr& operand = e->parts[0];
        const bool bracket = operand->shape == Shape::Sum || isNegation(operand);
        return "-" + (bracket ? grouped(latexOf(operand)) : latexOf(operand));
    }
    case Shape::Relation: {
        std::string text = latexOf(e->parts[0]);
        for (std::size_t i = 1; i < e->parts.size(); ++i) {
            text += operatorLatex(e->text[i - 1]) + latexOf(e->parts[i]);
        }
        return text;
    }
    case Shape::Function:
        return functionLatex(*e);
    case Shape::Tuple:
        return grouped(listLatex(e->parts, 0, e->parts.size(), ", "));
    case Shape::Determinant:
        return determinantLatex(*e);
    }
    return "";
}

std::string latexOf(const Document& document) {
    std::string text = "\\documentclass[a4paper]{article}\n"
                       "\\usepackage{amsmath}\n"
                       "\\begin{document}\n"
                       "\\section*{" +
                       escaped(document.title) + "}\n";
    int number = 0;
    for (const Section& section : document.sections) {
        text += section.newPage ? "\n\\newpage" : "";
        text +=
            "\n\\subsection*{" + std::to_string(++number) + ". " + escaped(section.title) + "}\n";
        for (const Block& block : section.blocks) {
            text += blockLatex(block);
        }
    }
    return text + "\\end{document}\n";
}
