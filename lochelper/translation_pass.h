#pragma once
// 自动翻译: fills the translation lines of the three-line layout from the
// dictionary. Content is GBK bytes with CR LF lines (line_pass.h).

#include "dictionary_lookup.h"
#include "line_pass.h"

#include <string>

// What a caller shows when no dictionary file lies at the path (UTF-8).
extern const char* const missing_dictionary_message; // "没找到数据库，请下载数据库。"

// default.edb in the program's directory.
std::string default_dictionary_path(const std::string& program_directory);

enum class DictionaryLoad {
    loaded,
    missing,  // no file at the path: show missing_dictionary_message
    unusable, // a file is there but is no usable dictionary: error says why
};

// Reads the dictionary file at path into index, replacing what it held. On
// unusable, error is "<path>: <reason>" in Chinese (UTF-8) and index is empty.
DictionaryLoad load_dictionary_index(const std::string& path, DictionaryIndex& index,
                                     std::string& error);

// The pass over the whole content. Line n (from 1) is a translation line when n + 1
// is divisible by 3; such a line with "=" keeps its key part (up to and including
// the first "=") and has every occurrence of its term (extract_term) in the value
// part, in any letter case, replaced by lookup_translation of the term. Every other
// line is copied. Every output line ends in CR LF. An empty content gives the empty
// text and leaves progress untouched.
std::string auto_translate(const std::string& content, const DictionaryIndex& index,
                           PassProgress& progress);
