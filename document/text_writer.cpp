#include "document/text_writer.h"

#include "document/writing.h"

namespace {

std::string parenthesised(const std::string& text) {
    return "(" + text + ")";
}

std::string operatorText(char op) {
    switch (op) {
    case '<':
        return " < ";
    case '>':
        return " > ";
    case '#':
        return " != ";
    case '~':
        return " ~ ";
    default:
        return " = ";
    }
}

std::string sumText(const Expression& e) {
    return sumOf(
        e, [](const Expr& term) { return textOf(term); }, parenthesised, " + ", " - ");
}

std::string productText(const Expression& e) {
    std::string text;
    for (std::size_t i = 0; i < e.parts.size(); ++i) {
        const Expr& factor = e.parts[i];
        const bool grouped = factor->shape == Shape::Sum || factor->shape == Shape::Relation ||
                             (i > 0 && isNegation(factor));
        text += (i > 0 ? "*" : "") + (grouped ? parenthesised(textOf(factor)) : textOf(factor));
    }
    return text;
}

std::string quotientText(const Expression& e) {
    const Expr& top = e.parts[0];
    const Expr& bottom = e.parts[1];
    const std::string numerator = textOf(top);
    const std::string denominator = textOf(bottom);
    return (top->shape == Shape::Sum ? parenthesised(numerator) : numerator) + "/" +
           (isAtom(bottom) || bottom->shape == Shape::Power ? denominator
                                                            : parenthesised(denominator));
}

// "tg 2phi" rather than "tg 2*phi".
std::string argumentText(const Expr& argument) {
    if (argument->shape == Shape::Product && argument->parts.size() == 2 &&
        argument->parts[0]->shape == Shape::Integer &&
        argument->parts[1]->shape == Shape::Variable) {
        return argument->parts[0]->text + argument->parts[1]->text;
    }
    return isAtom(argument) ? textOf(argument) : parenthesised(textOf(argument));
}

std::string listText(const std::vector<Expr>& parts, std::size_t from, std::size_t to) {
    return listOf(parts, from, to, ", ", [](const Expr& part) { return textOf(part); });
}

std::string determinantText(const Expression& e) {
    std::string text = "det[";
    const std::size_t columns = static_cast<std::size_t>(e.columns);
    for (std::size_t row = 0; row * columns < e.parts.size(); ++row) {
        text += (row > 0 ? "; " : "") + listText(e.parts, row * columns, (row + 1) * columns);
    }
    return text + "]";
}

} // namespace

std::string textOf(const Expr& e) {
    switch (e->shape) {
    case Shape::Integer:
    case Shape::Decimal:
    case Shape::Variable:
        return e->text;
    case Shape::Sum:
        return sumText(*e);
    case Shape::Product:
        return productText(*e);
    case Shape::Quotient:
        return quotientText(*e);
    case Shape::Power: {
        const Expr& base = e->parts[0];
        return (isAtom(base) ? textOf(base) : parenthesised(textOf(base))) + "^" +
               textOf(e->parts[1]);
    }
    case Shape::Root:
        return "sqrt(" + textOf(e->parts[0]) + ")";
    case Shape::Negation: {
        const Expr& operand = e->parts[0];
        const bool grouped = operand->shape == Shape::Sum || isNegation(operand);
        return "-" + (grouped ? parenthesised(textOf(operand)) : textOf(operand));
    }
    case Shape::Relation: {
        std::string text = textOf(e->parts[0]);
        for (std::size_t i = 1; i < e->parts.size(); ++i) {
            text += operatorText(e->text[i - 1]) + textOf(e->parts[i]);
        }
        return text;
    }
    case Shape::Function:
        return e->text + " " + argumentText(e->parts[0]);
    case Shape::Tuple:
        return "(" + listText(e->parts, 0, e->parts.size()) + ")";
    case Shape::Determinant:
        return determinantText(*e);
    case Shape::Monomial:
        return listOf(e->parts, 0, e->parts.size(), "",
                      [](const Expr& part) { return textOf(part); });
    }
    return "";
}

std::string textOf(const Document& document) {
    std::string text = document.title + "\n";
    int number = 0;
    for (const Section& section : document.sections) {
        text += "\n" + std::to_string(++number) + ". " + section.title + "\n";
        for (const Block& block : section.blocks) {
            if (block.sentence.empty()) {
                for (const Expr& line : block.display) {
                    text += "    " + textOf(line) + "\n";
                }
                continue;
            }
            for (const Phrase& phrase : block.sentence) {
                text += phrase.math ? textOf(phrase.math) : phrase.words;
            }
            text += "\n";
        }
    }
    return text;
}
