#pragma once
// Which piece of a translation line the dictionary is asked about.

#include <string>
#include <string_view>

// The line is GBK bytes without CR LF. For a line with "=" the term is a piece of
// the value part (the bytes after the first "="): a value of at most 3 bytes is
// taken whole; otherwise leading bytes that are no ASCII letter are dropped until
// a letter leads or at most 2 bytes are left, and then the leading run of letters
// and spaces is kept, with the byte that ends it when that byte is the last one.
// Bytes are judged one by one, so a GBK character can be split. A line without "="
// yields itself.
std::string extract_term(std::string_view line);
