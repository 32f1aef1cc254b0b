#include "document/writing.h"

#include <cctype>

VariableName splitName(const std::string& name) {
    std::size_t letters = 0;
    while (letters < name.size() && std::isalpha(static_cast<unsigned char>(name[letters]))) {
        ++letters;
    }
    std::size_t digits = letters;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) {
        ++digits;
    }
    return {name.substr(0, letters), name.substr(letters, digits - letters), name.substr(digits)};
}

bool isAtom(const Expr& e) {
    switch (e->shape) {
    case Shape::Integer:
    case Shape::Decimal:
    case Shape::Variable:
    case Shape::Root:
    case Shape::Tuple:
    case Shape::Determinant:
        return true;
    default:
        return false;
    }
}

bool standsAlone(const Expr& e) {
    return isAtom(e) || e->shape == Shape::Quotient;
}
