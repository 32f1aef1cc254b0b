#pragma once

#include <cstdio>
#include <string>

// What printf would print with this format and these numbers, as a string.
template <typename... Numbers> std::string formatted(const char* format, Numbers... numbers) {
    const int length = std::snprintf(nullptr, 0, format, numbers...);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, numbers...);
    text.pop_back();
    return text;
}
