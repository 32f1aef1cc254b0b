#include "document/expression.h"

#include <utility>

namespace {

Expr make(Shape shape, std::string text, std::vector<Expr> parts, int columns = 0) {
    return std::make_shared<const Expression>(
        Expression{shape, std::move(text), std::move(parts), columns});
}

} // namespace

Expr integer(const std::string& digits) {
    return make(Shape::Integer, digits, {});
}

Expr integer(long long value) {
    if (value < 0) {
        return negation(integer(std::to_string(-static_cast<unsigned long long>(value))));
    }
    return integer(std::to_string(value));
}

Expr decimal(const std::string& written) {
    return make(Shape::Decimal, written, {});
}

Expr variable(const std::string& name) {
    return make(Shape::Variable, name, {});
}

Expr sum(std::vector<Expr> terms) {
    std::vector<Expr> flat;
    for (Expr& term : terms) {
        if (term->shape == Shape::Sum) {
            flat.insert(flat.end(), term->parts.begin(), term->parts.end());
        } else {
            flat.push_back(std::move(term));
        }
    }
    return flat.size() == 1 ? flat[0] : make(Shape::Sum, "", std::move(flat));
}

Expr product(std::vector<Expr> factors) {
    std::vector<Expr> flat;
    for (Expr& factor : factors) {
        if (factor->shape == Shape::Product) {
            flat.insert(flat.end(), factor->parts.begin(), factor->parts.end());
        } else {
            flat.push_back(std::move(factor));
        }
    }
    return flat.size() == 1 ? flat[0] : make(Shape::Product, "", std::move(flat));
}

Expr quotient(Expr numerator, Expr denominator) {
    return make(Shape::Quotient, "", {std::move(numerator), std::move(denominator)});
}

Expr power(Expr base, int exponent) {
    return make(Shape::Power, "", {std::move(base), integer(exponent)});
}

Expr squareRoot(Expr radicand) {
    return make(Shape::Root, "", {std::move(radicand)});
}

Expr negation(Expr operand) {
    return make(Shape::Negation, "", {std::move(operand)});
}

Expr relation(std::vector<Expr> operands, const std::string& operators) {
    return make(Shape::Relation, operators, std::move(operands));
}

Expr equation(Expr left, Expr right) {
    return relation({std::move(left), std::move(right)}, "=");
}

Expr function(const std::string& name, Expr argument) {
    return make(Shape::Function, name, {std::move(argument)});
}

Expr tuple(std::vector<Expr> coordinates) {
    return make(Shape::Tuple, "", std::move(coordinates));
}

Expr determinant(std::vector<Expr> entries, int columns) {
    return make(Shape::Determinant, "", std::move(entries), columns);
}

Expr monomial(std::vector<Expr> factors) {
    return make(Shape::Monomial, "", std::move(factors));
}

bool isNegation(const Expr& e) {
    return e->shape == Shape::Negation;
}
