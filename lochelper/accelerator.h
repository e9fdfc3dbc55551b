#pragma once
// Moves the accelerator marker of every line behind its text, the way Chinese
// captions carry it: "&Open..." becomes "Open(&O)...". Works on whole lines, key
// included, byte by byte (the second byte of a GBK character can count as a letter).

#include "line_pass.h"

#include <string>

// One line without its CR LF, rewritten, without a CR LF. A line without "&", and a
// line that has no ASCII letter once its ampersands are removed, come back unchanged.
std::string rewrite_accelerator(const std::string& line);
std::string accelerator_pass(const std::string& content, PassProgress& progress);
