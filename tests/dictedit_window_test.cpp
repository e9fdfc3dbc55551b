#include "dictedit_test_support.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeySequence>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Entries = std::vector<DictionaryEntry>;

const char* const clear_question =
    "确实要清空所有数据吗?\r\n\r\n清空数据后不能恢复,请慎重使用这个功能.";

QPushButton* button(EditorWindow& window, const char* name) {
    auto* found = window.findChild<QPushButton*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QTableView* view(EditorWindow& window) {
    return window.findChild<QTableView*>(QStringLiteral("记录网格"));
}

QProgressBar* progress(EditorWindow& window) {
    return window.findChild<QProgressBar*>(QStringLiteral("进度条"));
}

std::vector<int> column_widths(EditorWindow& window) {
    QTableView* grid = view(window);
    return {grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)};
}

std::vector<std::string> numbers(const RecordGrid& grid) {
    std::vector<std::string> shown;
    for (int row = 1; row < grid.row_count(); ++row)
        shown.push_back(grid.cell(row, 0));
    return shown;
}

// Fills the grid below the header with these records, as a user would type them.
void type_records(EditorWindow& window, const Entries& records) {
    RecordGrid& grid = window.grid();
    grid.set_row_count(1);
    for (const DictionaryEntry& record : records) {
        button(window, "添加记录")->click();
        const int row = grid.row_count() - 1;
        grid.set_cell(row, 1, record.english);
        grid.set_cell(row, 2, record.chinese);
    }
}

std::string file_bytes(const std::string& path) {
    return read_text_file(path);
}

} // namespace

// ---- The window and grid loading ----

class WindowLayoutTest : public EditorTest {};

TEST_F(WindowLayoutTest, window_hasCaptionRectangleAndControls) {
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lexiro 数据库编辑器"));
    EXPECT_EQ(window.frameGeometry(), QRect(50, 50, 557, 350));
    EXPECT_EQ(view(window)->geometry(), QRect(16, 16, 440, 280));
    EXPECT_EQ(progress(window)->geometry(), QRect(16, 304, 440, 16));
    struct Control {
        const char* name;
        const char* caption;
        int top;
        QKeySequence accelerator;
    };
    const Control controls[] = {
        {"添加记录", "添加记录(&a)", 40, QKeySequence(Qt::ALT | Qt::Key_A)},
        {"删除记录", "删除记录(&d)", 72, QKeySequence(Qt::ALT | Qt::Key_D)},
        {"清空数据", "清空数据(K)", 152, QKeySequence()},
        {"保存", "保存更改(&s)", 248, QKeySequence(Qt::ALT | Qt::Key_S)},
    };
    for (const Control& control : controls) {
        QPushButton* found = button(window, control.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text(), QString::fromUtf8(control.caption));
        EXPECT_EQ(found->geometry(), QRect(464, control.top, 80, 24)) << control.name;
        EXPECT_EQ(QKeySequence::mnemonic(found->text()), control.accelerator) << control.name;
    }
}

TEST_F(WindowLayoutTest, shownWindow_keepsItsRectangle) {
    EditorWindow window(prompts, program_directory());
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().size(), QSize(557, 350));
}

class GridLoadingTest : public EditorTest {};

TEST_F(GridLoadingTest, emptyTable_showsHeaderRowAlone) {
    write_dictionary(dictionary_path(), {});
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(grid_cells(window.grid()), (Rows{{gbk("序号"), gbk("英文"), gbk("中文")}}));
    EXPECT_TRUE(prompts.warnings().empty());
}

TEST_F(GridLoadingTest, threeRecords_areNumberedInTableOrder) {
    write_dictionary(dictionary_path(),
                     {{"Open", gbk("打开")}, {"Close", gbk("关闭")}, {"About", gbk("关于")}});
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(grid_cells(window.grid()), (Rows{{gbk("序号"), gbk("英文"), gbk("中文")},
                                               {"1", "Open", gbk("打开")},
                                               {"2", "Close", gbk("关闭")},
                                               {"3", "About", gbk("关于")}}));
    EXPECT_EQ(column_widths(window), (std::vector<int>{30, 200, 200}));
}

TEST_F(GridLoadingTest, emptyChinese_showsEmptyCell) {
    write_dictionary(dictionary_path(), {{"Open", ""}});
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(window.grid().cell(1, 2), "");
    EXPECT_EQ(window.grid().data(window.grid().index(1, 2)).toString(), QString());
}

TEST_F(GridLoadingTest, reload_replacesTypedRowsAndResetsWidths) {
    write_dictionary(dictionary_path(), {{"Open", gbk("打开")}});
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"typed", "t"}, {"more", "m"}});
    view(window)->setColumnWidth(1, 77);
    window.load_grid();
    EXPECT_EQ(grid_cells(window.grid()).size(), 2u);
    EXPECT_EQ(window.grid().cell(1, 1), "Open");
    EXPECT_EQ(column_widths(window), (std::vector<int>{30, 200, 200}));
}

TEST_F(GridLoadingTest, missingFile_showsHeaderRowWithoutMessage) {
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(window.grid().row_count(), 1);
    EXPECT_TRUE(prompts.warnings().empty());
    EXPECT_FALSE(file_exists(dictionary_path()));
}

// Files that exist but are no dictionary of ours.
struct UnreadableCase {
    const char* name;
    void (*make)(const std::string& path);
};

class UnreadableDictionaryTest : public EditorTest,
                                 public ::testing::WithParamInterface<UnreadableCase> {
protected:
    void SetUp() override {
        GetParam().make(dictionary_path());
        original = file_bytes(dictionary_path());
    }
    std::string original;
};

const UnreadableCase unreadable_cases[] = {
    {"corruptFile", [](const std::string& path) { write_file(path, std::string(8192, '\x5A')); }},
    {"foreignDatabase",
     [](const std::string& path) {
         // Another program's SQLite file: a proper database, but not a dictionary.
         write_dictionary_file(path, {{"a", "b"}});
         const std::string command =
             "sqlite3 '" + path +
             "' 'PRAGMA application_id=7; DROP TABLE dictionary; CREATE TABLE invoices(n INTEGER)'";
         ASSERT_EQ(std::system(command.c_str()), 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, UnreadableDictionaryTest, ::testing::ValuesIn(unreadable_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(UnreadableDictionaryTest, startUp_saysWhyAndShowsHeaderRowAlone) {
    EditorWindow window(prompts, program_directory());
    EXPECT_EQ(window.grid().row_count(), 1);
    ASSERT_EQ(prompts.warnings().size(), 1u);
    EXPECT_TRUE(prompts.warnings()[0].contains(QString::fromStdString(dictionary_path())))
        << prompts.warnings()[0].toStdString();
    EXPECT_EQ(file_bytes(dictionary_path()), original);
}

TEST_P(UnreadableDictionaryTest, saveAnsweredCancel_leavesFileAndRows) {
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"new", "n"}});
    prompts.answers = {false};
    button(window, "保存")->click();
    ASSERT_EQ(prompts.questions().size(), 1u);
    EXPECT_TRUE(prompts.questions()[0].contains(QString::fromStdString(dictionary_path())));
    EXPECT_EQ(file_bytes(dictionary_path()), original);
    EXPECT_EQ(window.grid().cell(1, 1), "new");
}

TEST_P(UnreadableDictionaryTest, saveAnsweredOk_replacesFileWithRows) {
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"new", "n"}});
    prompts.answers = {true};
    button(window, "保存")->click();
    EXPECT_EQ(read_dictionary_back(dictionary_path()), (Entries{{"new", "n"}}));
    EXPECT_EQ(window.grid().cell(1, 1), "new");
    EXPECT_EQ(prompts.warnings().size(), 1u); // the start-up one only
}

TEST_P(UnreadableDictionaryTest, clearAllAnsweredCancelToReplace_leavesFile) {
    EditorWindow window(prompts, program_directory());
    prompts.answers = {true, false};
    button(window, "清空数据")->click();
    EXPECT_EQ(prompts.questions().size(), 2u);
    EXPECT_EQ(file_bytes(dictionary_path()), original);
}

TEST_P(UnreadableDictionaryTest, clearAllAnsweredOkToReplace_leavesEmptyDictionary) {
    EditorWindow window(prompts, program_directory());
    prompts.answers = {true, true};
    button(window, "清空数据")->click();
    EXPECT_EQ(read_dictionary_back(dictionary_path()), Entries{});
    EXPECT_EQ(window.grid().row_count(), 1);
}

// ---- Record commands ----

struct NumberingCase {
    const char* name;
    std::vector<std::string> numbers;  // column 0 of the rows below the header
    int deleted_row;                   // 0 deletes nothing
    std::vector<std::string> expected; // after the delete and one add record
};

class NumberingTest : public EditorTest, public ::testing::WithParamInterface<NumberingCase> {};

const NumberingCase numbering_cases[] = {
    {"headerAlone_addNumbersOne", {}, 0, {"1"}},
    {"afterSeven_addNumbersEight", {"7"}, 0, {"7", "8"}},
    {"middleDeleted_addNumbersFour", {"1", "2", "3"}, 2, {"1", "3", "4"}},
    {"lastDeleted_addNumbersThree", {"1", "2", "3"}, 3, {"1", "2", "3"}},
    {"noNumberAbove_addNumbersOne", {"abc"}, 0, {"abc", "1"}},
    {"gapsKept_addFollowsLastRow", {"4", "9", "2"}, 0, {"4", "9", "2", "3"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, NumberingTest, ::testing::ValuesIn(numbering_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(NumberingTest, deleteThenAdd_numbersFromLastRow) {
    EditorWindow window(prompts, program_directory());
    RecordGrid& grid = window.grid();
    const NumberingCase& c = GetParam();
    grid.set_row_count(static_cast<int>(c.numbers.size()) + 1);
    for (size_t i = 0; i < c.numbers.size(); ++i)
        grid.set_cell(static_cast<int>(i) + 1, 0, c.numbers[i]);
    if (c.deleted_row > 0) {
        view(window)->setCurrentIndex(grid.index(c.deleted_row, 1));
        button(window, "删除记录")->click();
    }
    button(window, "添加记录")->click();
    EXPECT_EQ(numbers(grid), c.expected);
    const int last = grid.row_count() - 1;
    EXPECT_EQ(view(window)->currentIndex(), grid.index(last, 1));
    EXPECT_EQ(grid.cell(last, 1), "");
    EXPECT_EQ(grid.cell(last, 2), "");
}

TEST_F(NumberingTest, addThenClose_leavesTableUnchanged) {
    write_dictionary(dictionary_path(), {{"Open", gbk("打开")}});
    const std::string before = file_bytes(dictionary_path());
    {
        EditorWindow window(prompts, program_directory());
        button(window, "添加记录")->click();
        window.grid().set_cell(2, 1, "typed");
        button(window, "删除记录")->click();
        window.close();
    }
    EXPECT_EQ(file_bytes(dictionary_path()), before);
}

class DeleteRecordTest : public EditorTest {};

TEST_F(DeleteRecordTest, cursorOnHeaderOrNowhere_deletesNothing) {
    write_dictionary(dictionary_path(), {{"a", "1"}, {"b", "2"}});
    EditorWindow window(prompts, program_directory());
    const Rows before = grid_cells(window.grid());
    view(window)->setCurrentIndex(QModelIndex());
    button(window, "删除记录")->click();
    EXPECT_EQ(grid_cells(window.grid()), before);
    view(window)->setCurrentIndex(window.grid().index(0, 1));
    button(window, "删除记录")->click();
    EXPECT_EQ(grid_cells(window.grid()), before);
}

class ClearAllTest : public EditorTest {};

TEST_F(ClearAllTest, answeredOk_emptiesTableAtOnce) {
    write_dictionary(dictionary_path(), {{"a", "1"}, {"b", "2"}});
    EditorWindow window(prompts, program_directory());
    button(window, "添加记录")->click();
    prompts.answers = {true};
    button(window, "清空数据")->click();
    ASSERT_EQ(prompts.questions().size(), 1u);
    EXPECT_EQ(prompts.questions()[0], QString::fromUtf8(clear_question));
    EXPECT_EQ(read_dictionary_back(dictionary_path()), Entries{});
    EXPECT_EQ(grid_cells(window.grid()), (Rows{{gbk("序号"), gbk("英文"), gbk("中文")}}));
    EXPECT_EQ(column_widths(window), (std::vector<int>{30, 200, 200}));
}

TEST_F(ClearAllTest, answeredCancel_changesNothing) {
    write_dictionary(dictionary_path(), {{"a", "1"}, {"b", "2"}});
    const std::string before = file_bytes(dictionary_path());
    EditorWindow window(prompts, program_directory());
    button(window, "添加记录")->click();
    const Rows rows = grid_cells(window.grid());
    prompts.answers = {false};
    button(window, "清空数据")->click();
    EXPECT_EQ(file_bytes(dictionary_path()), before);
    EXPECT_EQ(grid_cells(window.grid()), rows);
}

TEST_F(ClearAllTest, thenSave_writesEmptyTable) {
    write_dictionary(dictionary_path(), {{"a", "1"}});
    EditorWindow window(prompts, program_directory());
    prompts.answers = {true};
    button(window, "清空数据")->click();
    button(window, "保存")->click();
    EXPECT_EQ(read_dictionary_back(dictionary_path()), Entries{});
    EXPECT_TRUE(prompts.warnings().empty());
}

// ---- Saving ----

class SaveTest : public EditorTest {};

TEST_F(SaveTest, rows_storedOrderedByEnglishWithTiesInGridOrder) {
    write_dictionary(dictionary_path(), {{"old", "o"}});
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"b", "first b"},
                          {"a", "first a"},
                          {"", ""},
                          {"b", "second b"},
                          {"a", "first a"},
                          {gbk("中"), gbk("中间")},
                          {"B", "upper"}});
    // Whatever sits in the number column is not stored.
    window.grid().set_cell(2, 0, "999");
    button(window, "保存")->click();
    const Entries expected = {
        {"", ""},         {"B", "upper"},    {"a", "first a"},        {"a", "first a"},
        {"b", "first b"}, {"b", "second b"}, {gbk("中"), gbk("中间")}};
    EXPECT_EQ(read_dictionary_back(dictionary_path()), expected);
    Rows shown = {{gbk("序号"), gbk("英文"), gbk("中文")}};
    for (size_t i = 0; i < expected.size(); ++i)
        shown.push_back({std::to_string(i + 1), expected[i].english, expected[i].chinese});
    EXPECT_EQ(grid_cells(window.grid()), shown);
    EXPECT_EQ(progress(window)->maximum(), 7);
    EXPECT_EQ(progress(window)->value(), 0);
    EXPECT_TRUE(prompts.warnings().empty());
    EXPECT_FALSE(file_exists(window.temporary_path()));
}

TEST_F(SaveTest, missingDictionary_isCreated) {
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"first", "1"}});
    button(window, "保存")->click();
    EXPECT_EQ(read_dictionary_back(dictionary_path()), (Entries{{"first", "1"}}));
    EXPECT_TRUE(prompts.questions().empty());
}

TEST_F(SaveTest, headerRowAlone_leavesEmptyTable) {
    write_dictionary(dictionary_path(), {{"a", "1"}});
    EditorWindow window(prompts, program_directory());
    window.grid().set_row_count(1);
    button(window, "保存")->click();
    EXPECT_EQ(read_dictionary_back(dictionary_path()), Entries{});
    EXPECT_EQ(window.grid().row_count(), 1);
}

TEST_F(SaveTest, busyCursor_showsWhileSavingOnly) {
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"a", "1"}, {"b", "2"}});
    std::vector<bool> busy;
    QObject::connect(progress(window), &QProgressBar::valueChanged, [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        busy.push_back(cursor && cursor->shape() == Qt::WaitCursor);
    });
    button(window, "保存")->click();
    ASSERT_FALSE(busy.empty());
    EXPECT_EQ(busy, std::vector<bool>(busy.size(), true));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Ways a save cannot reach the disk; each must leave the old file and the grid alone.
struct FailingWriterCase {
    const char* name;
    // Breaks the directory; false when this environment cannot be broken this way.
    bool (*prepare)(const std::string& directory);
};

bool make_read_only(const std::string& directory) {
    ::chmod(directory.c_str(), 0555);
    // Root writes into read-only directories regardless.
    const std::string probe = directory + "/probe";
    const bool writable = write_file(probe, "x");
    delete_file(probe);
    return !writable;
}

const FailingWriterCase failing_writer_cases[] = {
    {"readOnlyDirectory", make_read_only},
    {"temporaryPathIsDirectory",
     [](const std::string& directory) {
         return QDir().mkdir(QString::fromStdString(directory + "/临时.edb"));
     }},
};

class FailingSaveTest : public EditorTest, public ::testing::WithParamInterface<FailingWriterCase> {
protected:
    void TearDown() override { ::chmod(program_directory().c_str(), 0755); }
};

INSTANTIATE_TEST_SUITE_P(Writers, FailingSaveTest, ::testing::ValuesIn(failing_writer_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(FailingSaveTest, save_reportsPathAndKeepsFileAndRows) {
    write_dictionary(dictionary_path(), {{"old", "o"}});
    const std::string before = file_bytes(dictionary_path());
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"new", "n"}, {"another", "a"}});
    const Rows typed = grid_cells(window.grid());
    if (!GetParam().prepare(program_directory()))
        GTEST_SKIP() << "this environment cannot make that failure";
    button(window, "保存")->click();
    ASSERT_EQ(prompts.warnings().size(), 1u);
    EXPECT_TRUE(prompts.warnings()[0].contains(QString::fromStdString(program_directory())))
        << prompts.warnings()[0].toStdString();
    EXPECT_EQ(grid_cells(window.grid()), typed);
    EXPECT_EQ(file_bytes(dictionary_path()), before);
    EXPECT_EQ(progress(window)->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SaveTest, renameRefused_reportsPathAndKeepsRows) {
    // A directory where the dictionary belongs: the new file cannot take its place.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dictionary_path() + "/inside")));
    EditorWindow window(prompts, program_directory());
    type_records(window, {{"new", "n"}});
    const Rows typed = grid_cells(window.grid());
    button(window, "保存")->click();
    ASSERT_EQ(prompts.warnings().size(), 1u);
    EXPECT_TRUE(prompts.warnings()[0].contains(QString::fromStdString(dictionary_path())))
        << prompts.warnings()[0].toStdString();
    EXPECT_EQ(grid_cells(window.grid()), typed);
    EXPECT_TRUE(QDir(QString::fromStdString(dictionary_path() + "/inside")).exists());
    // The ordered copy stays beside it, so the rows are not lost either way.
    EXPECT_EQ(read_dictionary_back(window.temporary_path()), (Entries{{"new", "n"}}));
}
