#include "text_operations.h"

#include <charconv>
#include <cmath>

int text_length(const std::string& text) {
    return static_cast<int>(text.size());
}

std::string text_left(const std::string& text, long n) {
    if (n <= 0)
        return {};
    return text.substr(0, static_cast<size_t>(n));
}

std::string text_right(const std::string& text, long n) {
    if (n <= 0)
        return {};
    if (static_cast<size_t>(n) >= text.size())
        return text;
    return text.substr(text.size() - static_cast<size_t>(n));
}

std::string text_mid(const std::string& text, long start, long n) {
    if (n <= 0 || start > static_cast<long>(text.size()))
        return {};
    if (start < 1) {
        n -= 1 - start;
        start = 1;
        if (n <= 0)
            return {};
    }
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n));
}

int char_code(const std::string& text) {
    return text.empty() ? 0 : static_cast<unsigned char>(text[0]);
}

long find_text(const std::string& text, const std::string& sought) {
    if (text.empty())
        return -1;
    const size_t at = text.find(sought);
    return at == std::string::npos ? -1 : static_cast<long>(at) + 1;
}

static char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string to_lower(std::string text) {
    for (char& c : text)
        c = ascii_lower(c);
    return text;
}

static size_t find_ignoring_case(const std::string& lowered_text, const std::string& lowered_sought,
                                 size_t from) {
    return lowered_text.find(lowered_sought, from);
}

std::string replace_text(const std::string& text, const std::string& sought,
                         const std::string& replacement, bool case_significant) {
    if (sought.empty() || text.empty())
        return text;
    // Matching on lower-cased copies keeps positions identical, since ASCII case
    // folding never changes a byte count.
    const std::string haystack = case_significant ? std::string() : to_lower(text);
    const std::string needle = case_significant ? std::string() : to_lower(sought);
    const std::string& where = case_significant ? text : haystack;
    const std::string& what = case_significant ? sought : needle;

    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (;;) {
        const size_t at = find_ignoring_case(where, what, from);
        if (at == std::string::npos)
            break;
        result.append(text, from, at - from);
        result += replacement;
        from = at + sought.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string to_text(double number) {
    // to_chars is locale-free: a GUI process runs under the user's locale. Whole
    // values are written out in full, never as "1e+05".
    char buffer[400];
    const bool whole = std::isfinite(number) && number == std::floor(number);
    const auto result =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

double to_number(const std::string& text) {
    // Blanks around the number are allowed; anything else makes the text no number.
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return 0;
    size_t end = text.find_last_not_of(" \t") + 1;
    if (text[begin] == '+')
        ++begin;
    double value = 0;
    const auto result =
        std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + end || !std::isfinite(value))
        return 0;
    return value;
}

bool is_ascii_letter(const std::string& text) {
    const int code = char_code(text);
    return (code >= 65 && code <= 90) || (code >= 97 && code <= 122);
}
