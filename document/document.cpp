#include "document/document.h"

#include <utility>

Phrase words(std::string text) {
    return {std::move(text), nullptr};
}

Phrase math(Expr e) {
    return {"", std::move(e)};
}

Block sentence(std::vector<Phrase> phrases) {
    return {std::move(phrases), {}};
}

Block display(std::vector<Expr> lines) {
    return {{}, std::move(lines)};
}
