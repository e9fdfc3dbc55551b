// Time and peak memory of the dictionary editor on a 1,000,000-entry dictionary:
// opening the window with it loaded, saving it, and adding one row then saving.
// Peak memory is the resident high-water mark of each step alone (reset between
// steps through /proc/self/clear_refs).
#include "console_prompts.h"
#include "dictionary_table.h"
#include "editor_window.h"
#include "record_grid.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int entry_count = 1000000;

long peak_rss_kb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void reset_peak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void measure(const char* what, const std::function<void()>& step) {
    reset_peak();
    const auto start = std::chrono::steady_clock::now();
    step();
    QApplication::processEvents();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %8.3f s   peak %7.1f MB\n", what, seconds, peak_rss_kb() / 1024.0);
}

// Mixed terms: ASCII English with Chinese translations, as real dictionaries are.
std::vector<DictionaryEntry> dictionary_entries() {
    const std::string chinese[] = {"\xB4\xF2\xBF\xAA", "\xB9\xD8\xB1\xD5",
                                   "\xB1\xA3\xB4\xE6\xCE\xC4\xBC\xFE"};
    std::vector<DictionaryEntry> entries;
    entries.reserve(entry_count);
    for (int i = 0; i < entry_count; ++i) {
        const unsigned key = static_cast<unsigned>(i) * 2654435761u;
        entries.push_back({"Menu item " + std::to_string(key % 1000003) + " &Open...",
                           chinese[i % 3] + std::to_string(i)});
    }
    return entries;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir directory;
    const std::string program_directory = directory.path().toStdString();
    {
        std::string error;
        if (!write_dictionary_file(program_directory + "/default.edb", dictionary_entries(),
                                   &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    std::printf("dictedit, %d entries\n", entry_count);
    ConsolePrompts prompts;
    std::unique_ptr<EditorWindow> window;
    measure("open window, grid loaded", [&] {
        window = std::make_unique<EditorWindow>(prompts, program_directory);
        window->show();
    });
    QPushButton* save = window->findChild<QPushButton*>(QStringLiteral("保存"));
    QPushButton* add = window->findChild<QPushButton*>(QStringLiteral("添加记录"));
    measure("save", [&] { save->click(); });
    measure("add one row and save", [&] {
        add->click();
        window->grid().set_cell(window->grid().row_count() - 1, 1, "Zebra");
        save->click();
    });
    std::printf("rows in grid after saving: %d\n", window->grid().row_count());
    return 0;
}
