// Prints how long the helper window takes to open, save and run each pass on a
// generated 1,000,000-line language file, and the peak memory.

#include "console_prompts.h"
#include "file_operations.h"
#include "language_file.h"
#include "main_window.h"
#include "measure.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

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
    std::printf("pass single lines (window):         %6.2f s\n",
                seconds([&] { window.convert_to_single_lines(); }));
    std::printf("peak memory:                        %6ld MB\n", peak_megabytes());
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
