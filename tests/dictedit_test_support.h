#pragma once
// What the editor's tests share: pre-answered prompts, a program directory of their
// own, and dictionary files written and read back through the table library.

#include "dictionary_table.h"
#include "editor_window.h"
#include "file_operations.h"
#include "gbk_codec.h"
#include "record_grid.h"
#include "scripted_prompts.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

inline bool operator==(const DictionaryEntry& a, const DictionaryEntry& b) {
    return a.english == b.english && a.chinese == b.chinese;
}

inline std::ostream& operator<<(std::ostream& out, const DictionaryEntry& entry) {
    return out << "{" << entry.english << ", " << entry.chinese << "}";
}

// GBK bytes for a UTF-8 literal, so tests can be written in readable Chinese.
inline std::string gbk(const char* utf8) {
    return gbk_from_utf8(utf8);
}

inline void write_dictionary(const std::string& path, const std::vector<DictionaryEntry>& entries) {
    std::string error;
    ASSERT_TRUE(write_dictionary_file(path, entries, &error)) << error;
}

inline std::vector<DictionaryEntry> read_dictionary_back(const std::string& path) {
    std::vector<DictionaryEntry> entries;
    std::string error;
    EXPECT_TRUE(load_dictionary(path, entries, &error)) << error;
    return entries;
}

// The grid's cells as rows of texts, header included.
inline std::vector<std::vector<std::string>> grid_cells(const RecordGrid& grid) {
    std::vector<std::vector<std::string>> cells;
    for (int row = 0; row < grid.row_count(); ++row)
        cells.push_back({grid.cell(row, 0), grid.cell(row, 1), grid.cell(row, 2)});
    return cells;
}

// A program directory of its own for each test.
class EditorTest : public ::testing::Test {
protected:
    QTemporaryDir directory;
    ScriptedPrompts prompts;

    std::string program_directory() const { return directory.path().toStdString(); }
    std::string dictionary_path() const { return program_directory() + "/default.edb"; }
};
