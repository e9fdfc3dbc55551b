// Prints how long the translation pass takes against a large dictionary: writing
// and loading a generated 1,000,000-entry dictionary, and the pass over a
// generated 1,000,000-line three-line file. On a small case it also runs the
// pass with a scan of the table from its first record for every line, as a
// table-file store without an index would, and prints how much slower that is.

#include "dictionary_table.h"
#include "file_operations.h"
#include "term_extraction.h"
#include "text_operations.h"
#include "translation_pass.h"

#include "measure.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace {

// Common terms first, then generated ones; every tenth generated term repeats an
// earlier key with another translation, which the first record must win over.
std::vector<DictionaryEntry> generate_dictionary(long entries) {
    std::vector<DictionaryEntry> out{{"open file", "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE"},
                                     {"save as", "\xC1\xED\xB4\xE6\xCE\xAA"},
                                     {"e", ""},
                                     {"print pre", "\xB4\xF2\xD3\xA1"}};
    out.reserve(static_cast<size_t>(entries));
    for (long i = static_cast<long>(out.size()); i < entries; ++i) {
        const long key = i % 10 == 0 ? i / 2 : i;
        out.push_back({"term " + std::to_string(key), "\xCA\xF5\xD3\xEF" + std::to_string(i)});
    }
    return out;
}

// A three-line layout: source line, translation line, empty separator line. Half
// the translation lines hold a term the dictionary knows.
std::string generate_three_line_file(long lines, long entries) {
    static const char* const values[] = {"&Open File...",  "Save &As...",        "E&xit",
                                         "Print Pre&view", "Unknown words here", "Done."};
    std::string out;
    out.reserve(static_cast<size_t>(lines) * 30);
    for (long i = 0; i < lines; ++i) {
        const long group = i / 3;
        if (i % 3 != 2) {
            out += "IDS_STRING_" + std::to_string(group) + '=';
            if (group % 2 == 0)
                out += "&Term " + std::to_string(group * 7 % entries) + "...";
            else
                out += values[group % 6];
        }
        if (i + 1 < lines)
            out += "\r\n";
    }
    return out;
}

// The pass with the lookup done by a scan of the open table for every line.
std::string scanning_translate(const std::string& content, DictionaryTable& table) {
    NoProgress progress;
    return run_line_pass(
        content, progress,
        [&table](long n, const LineSource& lines, std::string& accumulator, PassProgress&) {
            const std::string line(lines.line(n - 1));
            const long equals = find_text(line, "=");
            if (!divisible_by_three(n + 1) || equals < 0) {
                accumulator += line + "\r\n";
                return;
            }
            const std::string term = extract_term(line);
            const std::string key = to_lower(term);
            std::string chinese;
            const long count = table.record_count();
            table.go_first();
            for (long r = 0; r < count; ++r) {
                if (table.read_field(english_field).value_or("") == key) {
                    chinese = table.read_field(chinese_field).value_or("");
                    break;
                }
                table.skip_record();
            }
            const std::string translation = chinese.empty() ? term : chinese;
            accumulator += text_left(line, equals) +
                           replace_text(text_right(line, text_length(line) - equals), term,
                                        translation, false) +
                           "\r\n";
        });
}

struct Run {
    double write = 0, load = 0, pass = 0;
    std::string output;
};

Run indexed_run(const std::string& dictionary, const std::string& content) {
    Run run;
    DictionaryIndex index;
    std::string error;
    run.load = seconds([&] {
        if (load_dictionary_index(dictionary, index, error) != DictionaryLoad::loaded)
            std::fprintf(stderr, "load failed: %s\n", error.c_str());
    });
    NoProgress progress;
    run.pass = seconds([&] { run.output = auto_translate(content, index, progress); });
    return run;
}

} // namespace

int main(int argc, char** argv) {
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long lines = argc > 2 ? std::atol(argv[2]) : 1000000;
    char dir_template[] = "/tmp/lexiro-bench-XXXXXX";
    const std::string dir = mkdtemp(dir_template);
    const std::string dictionary = dir + "/default.edb";

    std::string error;
    const std::vector<DictionaryEntry> records = generate_dictionary(entries);
    const double written = seconds([&] { write_dictionary_file(dictionary, records, &error); });
    std::printf("dictionary: %ld entries, %.1f MB, written in %.2f s\n", entries,
                read_text_file(dictionary).size() / 1e6, written);
    const std::string content = generate_three_line_file(lines, entries);
    std::printf("three-line file: %ld lines, %.1f MB\n", lines, content.size() / 1e6);

    const Run large = indexed_run(dictionary, content);
    std::printf("load dictionary into the index:      %6.2f s\n", large.load);
    std::printf("translation pass:                    %6.2f s  (%.0f lines/s)\n", large.pass,
                lines / large.pass);
    std::printf("load + pass:                         %6.2f s  (%.0f lines/s)\n",
                large.load + large.pass, lines / (large.load + large.pass));
    std::printf("peak memory:                         %6ld MB\n", peak_megabytes());

    const long small_entries = 1000;
    const long small_lines = 3000;
    const std::string small_dictionary = dir + "/small.edb";
    write_dictionary_file(small_dictionary, generate_dictionary(small_entries), &error);
    const std::string small_content = generate_three_line_file(small_lines, small_entries);
    const Run small = indexed_run(small_dictionary, small_content);
    std::string scanned;
    const double scan = seconds([&] {
        DictionaryTable table;
        table.table_open(small_dictionary);
        scanned = scanning_translate(small_content, table);
    });
    std::printf("small case (%ld entries, %ld lines):\n", small_entries, small_lines);
    std::printf("  scan of the table per line:        %8.4f s\n", scan);
    std::printf("  index (load + pass):               %8.4f s\n", small.load + small.pass);
    std::printf("  scan / index:                      %8.0f x\n", scan / (small.load + small.pass));
    std::printf("  same output:                       %s\n",
                scanned == small.output ? "yes" : "NO");

    std::system(("rm -rf '" + dir + "'").c_str());
    return scanned == small.output ? 0 : 1;
}
