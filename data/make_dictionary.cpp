// Builds the starter dictionary from its text source: one "english<TAB>中文" line
// each, UTF-8. Leaves a dictionary already at the target alone, since the one
// beside the programs may hold the user's own entries.

#include "dictionary_table.h"
#include "file_operations.h"
#include "gbk_codec.h"

#include <cerrno>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

int fail(const std::string& message) {
    std::cerr << "make_dictionary: " << message << '\n';
    return 1;
}

// The entries of the source, or a message naming the first bad line.
bool parse(const std::string& source, const std::string& text,
           std::vector<DictionaryEntry>& entries, std::string& message) {
    std::set<std::string> seen;
    size_t start = 0;
    for (long number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const auto bad = [&](const std::string& why) {
            message = source + ":" + std::to_string(number) + ": " + why;
            return false;
        };
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || line.find('\t', tab + 1) != std::string::npos)
            return bad("expected one tab between the term and its translation");
        const std::string english = line.substr(0, tab);
        const std::string chinese = line.substr(tab + 1);
        if (english.empty() || chinese.empty())
            return bad("empty term or translation");
        // The lookup lower-cases the term before comparing, so a key with a
        // capital letter could never be found.
        for (const char c : english)
            if (c >= 'A' && c <= 'Z')
                return bad("the term must be lower case: " + english);
        if (!seen.insert(english).second)
            return bad("duplicate term: " + english);
        entries.push_back({gbk_from_utf8(english), gbk_from_utf8(chinese)});
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_dictionary SOURCE.tsv TARGET.edb\n";
        return 2;
    }
    const std::string source = argv[1];
    const std::string target = argv[2];
    if (file_exists(target))
        return 0;

    std::string text;
    std::string message;
    if (!read_file(source, text, &message))
        return fail(message);
    std::vector<DictionaryEntry> entries;
    if (!parse(source, text, entries, message))
        return fail(message);

    // Built aside and renamed, so an interrupted build never leaves a half-written
    // dictionary that later builds would keep.
    const std::string partial = target + ".partial";
    if (!write_dictionary_file(partial, entries, &message))
        return fail(message);
    if (!rename_file(partial, target)) {
        message = system_error_text(target, errno);
        delete_file(partial);
        return fail(message);
    }
    std::cout << "make_dictionary: wrote " << entries.size() << " entries to " << target << '\n';
    return 0;
}
