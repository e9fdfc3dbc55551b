#include "dictedit_test_support.h"

using Rows = std::vector<std::vector<std::string>>;

TEST(RecordGridTest, newGrid_holdsHeaderRowAlone) {
    RecordGrid grid;
    EXPECT_EQ(grid_cells(grid), (Rows{{gbk("序号"), gbk("英文"), gbk("中文")}}));
    EXPECT_EQ(grid.column_count(), 3);
}

TEST(RecordGridTest, setRowCount_addsEmptyRowsAndRemovesFromTheEnd) {
    RecordGrid grid;
    grid.set_row_count(3);
    grid.set_cell(2, 1, "two");
    EXPECT_EQ(grid_cells(grid),
              (Rows{{gbk("序号"), gbk("英文"), gbk("中文")}, {"", "", ""}, {"", "two", ""}}));
    grid.set_row_count(2);
    EXPECT_EQ(grid.row_count(), 2);
    EXPECT_EQ(grid.cell(2, 1), "");
}

TEST(RecordGridTest, setCell_keepsTheOtherCellsOfTheRow) {
    RecordGrid grid;
    grid.set_row_count(2);
    grid.set_cell(1, 0, "1");
    grid.set_cell(1, 1, "apple");
    grid.set_cell(1, 2, gbk("苹果"));
    grid.set_cell(1, 1, "pear");
    EXPECT_EQ(grid_cells(grid)[1], (std::vector<std::string>{"1", "pear", gbk("苹果")}));
}

TEST(RecordGridTest, deleteRow_movesRowsUpWithoutRenumbering) {
    RecordGrid grid;
    grid.set_row_count(4);
    for (int row = 1; row < 4; ++row)
        grid.set_cell(row, 0, std::to_string(row));
    grid.delete_row(2);
    EXPECT_EQ(grid.row_count(), 3);
    EXPECT_EQ(grid.cell(1, 0), "1");
    EXPECT_EQ(grid.cell(2, 0), "3");
}

TEST(RecordGridTest, cellOutsideTheGrid_isEmpty) {
    RecordGrid grid;
    EXPECT_EQ(grid.cell(5, 1), "");
    EXPECT_EQ(grid.cell(0, 7), "");
    EXPECT_EQ(grid.cell(-1, 0), "");
}

// Every byte string survives display and editing, whatever GBK makes of it.
TEST(RecordGridTest, editThroughTheView_keepsEveryByte) {
    RecordGrid grid;
    grid.set_row_count(2);
    const std::string bytes = gbk("中文") + std::string("\x81\xFF\x80 \xA1", 5);
    grid.set_cell(1, 2, bytes);
    const QVariant shown = grid.data(grid.index(1, 2), Qt::EditRole);
    ASSERT_TRUE(grid.setData(grid.index(1, 1), shown));
    EXPECT_EQ(grid.cell(1, 1), bytes);
    EXPECT_EQ(grid.data(grid.index(1, 1)).toString(), shown.toString());
}

TEST(RecordGridTest, headerAndNumbers_areNotEditable) {
    RecordGrid grid;
    grid.set_row_count(2);
    EXPECT_FALSE(grid.flags(grid.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.flags(grid.index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.flags(grid.index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.flags(grid.index(1, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.setData(grid.index(0, 1), QStringLiteral("x")));
}

class RecordGridFileTest : public EditorTest {};

TEST_F(RecordGridFileTest, load_numbersRecordsInTableOrder) {
    write_dictionary(dictionary_path(), {{"zeta", gbk("泽塔")}, {"alpha", ""}, {"mid", "m"}});
    RecordGrid grid;
    std::string error;
    ASSERT_TRUE(grid.load(dictionary_path(), error)) << error;
    EXPECT_EQ(grid_cells(grid), (Rows{{gbk("序号"), gbk("英文"), gbk("中文")},
                                      {"1", "zeta", gbk("泽塔")},
                                      {"2", "alpha", ""},
                                      {"3", "mid", "m"}}));
}

TEST_F(RecordGridFileTest, loadUnreadableFile_leavesHeaderRowAndSaysWhy) {
    ASSERT_TRUE(write_file(dictionary_path(), std::string(4096, 'x')));
    RecordGrid grid;
    grid.set_row_count(5);
    std::string error;
    EXPECT_FALSE(grid.load(dictionary_path(), error));
    EXPECT_EQ(grid.row_count(), 1);
    EXPECT_NE(error.find(dictionary_path()), std::string::npos) << error;
}
