// Prints how long the helper window takes to open, save and run each pass on a
// generated 1,000,000-line language file (自动翻译 against a dictionary of as many
// entries, its load included), and the peak memory.

#include "console_prompts.h"
#include "dictionary_table.h"
#include "file_operations.h"
#include "language_file.h"
#include "main_window.h"
#include "measure.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

namespace {

// The terms of the generated file first, then generated ones up to `entries`.
void write_bench_dictionary(const std::string& path, long entries) {
    std::vector<DictionaryEntry> dictionary = {{"open file", "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE"},
                                               {"save as", "\xC1\xED\xB4\xE6\xCE\xAA"},
                                               {"exit", "\xCD\xCB\xB3\xF6"}};
    for (long i = static_cast<long>(dictionary.size()); i < entries; ++i)
        dictionary.push_back({"term " + std::to_string(i), "\xCA\xF5\xD3\xEF" + std::to_string(i)});
    std::string error;
    if (!write_dictionary_file(path, dictionary, &error))
        std::fprintf(stderr, "%s\n", error.c_str());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
    char dir_template[] = "/tmp/lexiro-bench-XXXXXX";
    const std::string dir = mkdtemp(dir_template);
    const std::string input = dir + "/big.lng";
    const std::string bytes = generate_language_file(lines);
    write_file(input, bytes);
    std::printf("language file: %ld lines, %.1f MB\n", lines, bytes.size() / 1e6);

    ConsolePrompts prompts;
    MainWindow window(prompts, dir);
    window.show();

    prompts.next_file = QString::fromStdString(input);
    std::printf("open (read + put into editor):      %6.2f s\n",
                seconds([&] { window.open_file(); }));
    prompts.next_file = QString::fromStdString(dir + "/saved");
    std::printf("save (take from editor + write):    %6.2f s\n",
                seconds([&] { window.save_file(); }));
    std::printf("saved file identical:               %s\n",
                read_text_file(dir + "/saved.txt") == bytes ? "yes" : "NO");
    std::printf("pass accelerator (window):          %6.2f s\n",
                seconds([&] { window.convert_accelerators(); }));
    std::printf("pass three lines (window):          %6.2f s\n",
                seconds([&] { window.convert_to_three_lines(); }));
    std::printf("dictionary for 自动翻译:             %6.2f s to write %ld entries\n",
                seconds([&] { write_bench_dictionary(dir + "/default.edb", lines); }), lines);
    std::printf("pass translate (window, with load): %6.2f s\n",
                seconds([&] { window.translate_from_dictionary(); }));
    std::printf("pass single lines (window):         %6.2f s\n",
                seconds([&] { window.convert_to_single_lines(); }));
    std::printf("peak memory:                        %6ld MB\n", peak_megabytes());
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
