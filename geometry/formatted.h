#pragma once

#include <cstdio>
#include <string>

// What printf would print with this format and these values, as a string: the program's
// number format wherever a line is put together before it is printed.
template <typename... Values> std::string formatted(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, values...);
    text.pop_back();
    return text;
}
