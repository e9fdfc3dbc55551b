#pragma once
// The three-line layout: for every line a source line, a translation line and an
// empty separator line. Both passes take and give GBK content with CR LF lines.

#include "line_pass.h"

// Every line L becomes L CR LF L CR LF CR LF.
std::string three_line_pass(const std::string& content, PassProgress& progress);
// Keeps the lines at indexes 1, 4, 7, ... (the translation lines), each followed by
// CR LF. Reading the index one past the last line gives the empty text.
std::string single_line_pass(const std::string& content, PassProgress& progress);
