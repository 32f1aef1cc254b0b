#pragma once

#include <memory>
#include <string>
#include <vector>

// An expression of a worked exercise as a small tree: numbers, variables, sums, products,
// quotients, powers, roots, relations. Built once and written out by each writer (plain text,
// LaTeX, ...), which alone decide how it looks.
struct Expression;
using Expr = std::shared_ptr<const Expression>;

enum class Shape {
    Integer,     // text: the digits of a non-negative integer
    Decimal,     // text: an approximate value as written, e.g. "0.8944"
    Variable,    // text: a name such as "x", "x'", "X", "phi", "lambda1", "a11", "x0", "I3"
    Sum,         // parts: the terms; a Negation term is written with a minus
    Product,     // parts: the factors
    Quotient,    // parts: numerator, denominator
    Power,       // parts: base, exponent
    Root,        // parts: the radicand of a square root
    Negation,    // parts: the operand
    Relation,    // parts: operands; text: the operators between them, one character each
    Function,    // text: "cos", "sin", "tg"; parts: the argument
    Tuple,       // parts: the coordinates of a point
    Determinant, // parts: the entries row by row; columns: entries per row
    Monomial,    // parts: a coefficient and powers side by side, as people type them: 5x^2, 4xy
};

struct Expression {
    Shape shape;
    std::string text;
    std::vector<Expr> parts;
    int columns = 0;
};

Expr integer(const std::string& digits);
Expr integer(long long value); // a negative value becomes a negation
Expr decimal(const std::string& written);
Expr variable(const std::string& name);
// Nested sums and products are flattened: a + (b + c) is a + b + c.
Expr sum(std::vector<Expr> terms);
Expr product(std::vector<Expr> factors);
Expr quotient(Expr numerator, Expr denominator);
Expr power(Expr base, int exponent);
Expr squareRoot(Expr radicand);
Expr negation(Expr operand);
// a = b, a < b, a > b, a ~ b (approximately), a # b (not equal), chained: "==" gives a = b = c.
Expr relation(std::vector<Expr> operands, const std::string& operators);
Expr equation(Expr left, Expr right);
Expr function(const std::string& name, Expr argument);
Expr tuple(std::vector<Expr> coordinates);
Expr determinant(std::vector<Expr> entries, int columns);
Expr monomial(std::vector<Expr> factors);

bool isNegation(const Expr& e);
