// Saves a large grid into the dictionary of the directory given as the argument,
// saying "saving" on standard output just before, so the crash test can kill it
// while the save runs. The grid holds `count` records named "new<number>", typed
// in reverse order so the save has to sort them.
#include "console_prompts.h"
#include "editor_window.h"
#include "record_grid.h"

#include <QApplication>

#include <cstdio>
#include <string>

namespace {} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ConsolePrompts prompts;
    EditorWindow window(prompts, argv[1]);
    RecordGrid& grid = window.grid();
    const int count = std::stoi(argv[2]);
    grid.set_row_count(count + 1);
    for (int i = 0; i < count; ++i) {
        grid.set_cell(i + 1, 1, "new" + std::to_string(1000000 + count - i));
        grid.set_cell(i + 1, 2, "value " + std::to_string(i));
    }
    std::printf("saving\n");
    std::fflush(stdout);
    window.save();
    std::printf("saved\n");
    std::fflush(stdout);
    return 0;
}
