#include "translation_pass.h"

#include "dictionary_table.h"
#include "file_operations.h"
#include "term_extraction.h"
#include "text_operations.h"

const char* const missing_dictionary_message = "没找到数据库，请下载数据库。";

std::string default_dictionary_path(const std::string& program_directory) {
    return program_directory + "/default.edb";
}

DictionaryLoad load_dictionary_index(const std::string& path, DictionaryIndex& index,
                                     std::string& error) {
    index = DictionaryIndex();
    if (!file_exists(path))
        return DictionaryLoad::missing;
    DictionaryIndex loaded;
    {
        // Sizing the map first spares a large dictionary one rehash after another.
        DictionaryTable table;
        if (!table.table_open(path)) {
            error = table.error();
            return DictionaryLoad::unusable;
        }
        loaded.reserve(static_cast<size_t>(table.record_count()));
    }
    if (!read_dictionary(
            path,
            [&](std::string&& english, std::string&& chinese) {
                loaded.add(std::move(english), std::move(chinese));
            },
            &error))
        return DictionaryLoad::unusable;
    index = std::move(loaded);
    return DictionaryLoad::loaded;
}

namespace {

std::string translated_line(std::string_view line, size_t equals, const DictionaryIndex& index) {
    const std::string term = extract_term(line);
    const std::string value(line.substr(equals + 1));
    // An empty term (the line ends with "=") replaces nothing, so the empty value
    // part stays empty.
    std::string result(line.substr(0, equals + 1));
    result += replace_text(value, term, lookup_translation(term, index), false);
    return result;
}

} // namespace

std::string auto_translate(const std::string& content, const DictionaryIndex& index,
                           PassProgress& progress) {
    return run_line_pass(content, progress,
                         [&index](long n, const LineSource& lines, std::string& accumulator,
                                  PassProgress& line_progress) {
                             const std::string_view line = lines.line(n - 1);
                             const size_t equals = line.find('=');
                             if (divisible_by_three(n + 1) && equals != std::string_view::npos)
                                 accumulator += translated_line(line, equals, index);
                             else
                                 accumulator += line;
                             accumulator += "\r\n";
                             line_progress.set_position(n);
                         });
}
