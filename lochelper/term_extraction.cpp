#include "term_extraction.h"

namespace {

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::string extract_term(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::string(line);
    std::string_view value = line.substr(equals + 1);
    if (value.size() <= 3)
        return std::string(value);

    // The strip stops at 2 bytes even when no letter leads, so a value such as
    // "12345" still yields a term.
    while (!is_letter(value.front())) {
        value.remove_prefix(1);
        if (value.size() <= 2)
            return std::string(value);
    }

    // The run of letters and spaces; `end` is the 0-based index of the first byte
    // outside it, the size when there is none.
    size_t end = 0;
    while (end < value.size() && (is_letter(value[end]) || value[end] == ' '))
        ++end;
    // A run that stops at the very last byte keeps that byte ("Error:").
    if (end + 1 >= value.size())
        return std::string(value);
    return std::string(value.substr(0, end));
}
