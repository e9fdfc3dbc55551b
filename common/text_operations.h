#pragma once
// Text operations on GBK byte strings. Positions start at 1, lengths count bytes,
// and "not found" is -1. Nothing here knows about encodings beyond ASCII.

#include <string>

int text_length(const std::string& text);
// The first n bytes; the whole text when n >= length, empty when n <= 0.
std::string text_left(const std::string& text, long n);
// The last n bytes, with the same limits as text_left.
std::string text_right(const std::string& text, long n);
// Up to n bytes from position start; empty when start is past the end.
std::string text_mid(const std::string& text, long start, long n);
// Code 0..255 of the first byte; 0 for the empty text.
int char_code(const std::string& text);
// Position of the first occurrence, byte for byte from position 1; -1 when absent.
long find_text(const std::string& text, const std::string& sought);
// ASCII A-Z become a-z; every other byte is kept.
std::string to_lower(std::string text);
// Every occurrence of sought replaced, scanning from the start. An empty sought
// replaces nothing. Without case significance, ASCII letters match either case.
std::string replace_text(const std::string& text, const std::string& sought,
                         const std::string& replacement, bool case_significant);
// Decimal text, without a fraction when the value is whole.
std::string to_text(double number);
// The number that the text spells; 0 when it spells none.
double to_number(const std::string& text);
// Whether the first byte is an ASCII letter (A-Z, a-z); false for the empty text.
bool is_ascii_letter(const std::string& text);
