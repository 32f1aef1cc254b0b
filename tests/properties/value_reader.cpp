#include "value_reader.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

namespace {

class Parser {
  public:
    explicit Parser(const std::string& text) : text_(text) {}

    std::optional<Value> whole() {
        Value v = value();
        skipBlanks();
        if (!v || at_ != text_.size()) {
            return std::nullopt;
        }
        return v;
    }

  private:
    Value node(char op, std::string text, std::vector<Value> parts) {
        return std::make_shared<const ValueNode>(ValueNode{op, std::move(text), std::move(parts)});
    }

    void skipBlanks() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
    }

    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // value = term {("+" | "-") term}
    Value value() {
        Value first = term();
        if (!first) {
            return nullptr;
        }
        std::vector<Value> terms = {first};
        for (;;) {
            const bool plus = take('+');
            if (!plus && !take('-')) {
                break;
            }
            Value next = term();
            if (!next) {
                return nullptr;
            }
            terms.push_back(plus ? next : node('-', "", {next}));
        }
        return terms.size() == 1 ? first : node('+', "", terms);
    }

    // term = factor {("*" | "/") factor}
    Value term() {
        Value result = factor();
        for (;;) {
            const bool times = take('*');
            if (!result || (!times && !take('/'))) {
                return result;
            }
            Value next = factor();
            result = next ? node(times ? '*' : '/', "", {result, next}) : nullptr;
        }
    }

    // factor = "-" factor | atom ["^" integer]
    Value factor() {
        if (take('-')) {
            Value operand = factor();
            return operand ? node('-', "", {operand}) : nullptr;
        }
        Value base = atom();
        if (base && take('^')) {
            Value exponent = atom();
            return exponent && exponent->op == 'n' ? node('^', "", {base, exponent}) : nullptr;
        }
        return base;
    }

    Value atom() {
        skipBlanks();
        if (text_.compare(at_, 5, "sqrt(") == 0) {
            at_ += 4;
            Value inside = parenthesised();
            return inside ? node('r', "", {inside}) : nullptr;
        }
        if (at_ < text_.size() && text_[at_] == '(') {
            return parenthesised();
        }
        const std::size_t start = at_;
        if (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
            while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
                ++at_;
            }
            return node('n', text_.substr(start, at_ - start), {});
        }
        if (at_ < text_.size() && (text_[at_] == 'X' || text_[at_] == 'Y')) {
            return node('v', std::string(1, text_[at_++]), {});
        }
        return nullptr;
    }

    Value parenthesised() {
        if (!take('(')) {
            return nullptr;
        }
        Value inside = value();
        return inside && take(')') ? inside : nullptr;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

using Poly = std::vector<Quadratic>; // X^2, XY, Y^2, X, Y, 1

int degree(const Poly& p) {
    return p[0] != 0 || p[1] != 0 || p[2] != 0 ? 2 : p[3] != 0 || p[4] != 0 ? 1 : 0;
}

Poly times(const Poly& p, const Poly& q) {
    if (degree(p) + degree(q) > 2) {
        throw std::domain_error("degree above 2");
    }
    return {p[0] * q[5] + p[5] * q[0] + p[3] * q[3],
            p[1] * q[5] + p[5] * q[1] + p[3] * q[4] + p[4] * q[3],
            p[2] * q[5] + p[5] * q[2] + p[4] * q[4],
            p[3] * q[5] + p[5] * q[3],
            p[4] * q[5] + p[5] * q[4],
            p[5] * q[5]};
}

Poly polynomial(const Value& v) {
    Poly p(6, Quadratic(0));
    switch (v->op) {
    case 'v':
        p[v->text == "X" ? 3 : 4] = 1;
        return p;
    case '+': {
        for (const Value& part : v->parts) {
            const Poly q = polynomial(part);
            for (int i = 0; i < 6; ++i) {
                p[i] = p[i] + q[i];
            }
        }
        return p;
    }
    case '-': {
        const Poly q = polynomial(v->parts[0]);
        for (int i = 0; i < 6; ++i) {
            p[i] = -q[i];
        }
        return p;
    }
    case '*':
        return times(polynomial(v->parts[0]), polynomial(v->parts[1]));
    case '^':
        return times(polynomial(v->parts[0]), polynomial(v->parts[0]));
    case '/': {
        const std::optional<Quadratic> divisor = exactly(v->parts[1]);
        if (!divisor) {
            throw std::domain_error("not a number below the bar");
        }
        Poly q = polynomial(v->parts[0]);
        for (Quadratic& c : q) {
            c = c / *divisor;
        }
        return q;
    }
    default: {
        const std::optional<Quadratic> constant = exactly(v);
        if (!constant) {
            throw std::domain_error("not a quadratic number");
        }
        p[5] = *constant;
        return p;
    }
    }
}

} // namespace

std::optional<Value> readValue(const std::string& text) {
    return Parser(text).whole();
}

long double approximately(const Value& v, long double x, long double y) {
    switch (v->op) {
    case 'n':
        return std::strtold(v->text.c_str(), nullptr);
    case 'v':
        return v->text == "X" ? x : y;
    case '+': {
        long double total = 0;
        for (const Value& part : v->parts) {
            total += approximately(part, x, y);
        }
        return total;
    }
    case '-':
        return -approximately(v->parts[0], x, y);
    case '*':
        return approximately(v->parts[0], x, y) * approximately(v->parts[1], x, y);
    case '/':
        return approximately(v->parts[0], x, y) / approximately(v->parts[1], x, y);
    case '^':
        return std::pow(approximately(v->parts[0], x, y), approximately(v->parts[1], x, y));
    default:
        return std::sqrt(approximately(v->parts[0], x, y));
    }
}

std::optional<Quadratic> exactly(const Value& v) {
    try {
        switch (v->op) {
        case 'n':
            return Quadratic(Rational(Integer(v->text)));
        case '+': {
            Quadratic total = 0;
            for (const Value& part : v->parts) {
                const std::optional<Quadratic> q = exactly(part);
                if (!q) {
                    return std::nullopt;
                }
                total = total + *q;
            }
            return total;
        }
        case '-': {
            const std::optional<Quadratic> q = exactly(v->parts[0]);
            return q ? std::optional<Quadratic>(-*q) : std::nullopt;
        }
        case '*':
        case '/': {
            const std::optional<Quadratic> a = exactly(v->parts[0]);
            const std::optional<Quadratic> b = exactly(v->parts[1]);
            if (!a || !b) {
                return std::nullopt;
            }
            return v->op == '*' ? *a * *b : *a / *b;
        }
        case 'r': {
            const std::optional<Quadratic> inside = exactly(v->parts[0]);
            if (!inside || !inside->isRational()) {
                return std::nullopt;
            }
            return Quadratic::squareRootOf(inside->rational());
        }
        default:
            return std::nullopt;
        }
    } catch (const std::logic_error&) {
        return std::nullopt; // two different radicands: not a quadratic number of one
    }
}

std::optional<Quadratic> squareOf(const Value& v) {
    switch (v->op) {
    case 'r':
        return exactly(v->parts[0]);
    case '-':
        return squareOf(v->parts[0]);
    case '*':
    case '/': {
        const std::optional<Quadratic> a = squareOf(v->parts[0]);
        const std::optional<Quadratic> b = squareOf(v->parts[1]);
        if (!a || !b) {
            return std::nullopt;
        }
        return v->op == '*' ? *a * *b : *a / *b;
    }
    default: {
        const std::optional<Quadratic> q = exactly(v);
        return q ? std::optional<Quadratic>(*q * *q) : std::nullopt;
    }
    }
}

std::optional<std::vector<Quadratic>> polynomialOf(const Value& v) {
    try {
        return polynomial(v);
    } catch (const std::logic_error&) {
        return std::nullopt;
    }
}
