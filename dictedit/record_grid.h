#pragma once
// The record grid: the editor's working copy of the dictionary, one row per record
// below a header row. Row 0 holds "序号", "英文", "中文"; row i holds the row number
// shown in column 0, then the record's 英文 and 中文. Every cell is a GBK byte string;
// the view sees UTF-16 through the lossless codec, so no byte is ever lost.
//
// Cells live in one byte arena with three lengths per row, so a million rows cost
// tens of megabytes instead of an object per cell. An edit appends the row's new
// content to the arena; reloading starts a fresh one.

#include "dictionary_table.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RecordGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int number_column = 0;
    static constexpr int english_column = 1;
    static constexpr int chinese_column = 2;

    // Starts with the header row alone.
    explicit RecordGrid(QObject* parent = nullptr);

    int row_count() const { return static_cast<int>(rows_.size()); }
    // Adds empty rows or removes rows at the end.
    void set_row_count(int count);
    int column_count() const { return column_total; }
    // The empty text for a cell that holds nothing or lies outside the grid.
    std::string cell(int row, int column) const;
    void set_cell(int row, int column, const std::string& value);
    // The rows below move up by one; nothing is renumbered.
    void delete_row(int row);

    // Grid loading: replaces the whole grid by the header row and the records of the
    // dictionary file at path, numbered from 1 in table order, read in one pass
    // without a second copy of the table. When the file cannot be read as a
    // dictionary: false with the reason, and the grid holds the header row alone.
    bool load(const std::string& path, std::string& error);
    // The header row alone.
    void clear_records();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static constexpr int column_total = 3;

    // The row's cells stand one after another in the arena from offset.
    struct Row {
        uint64_t offset = 0;
        uint32_t length[column_total] = {0, 0, 0};
    };

    std::string_view cell_view(int row, int column) const;
    void start_arena();
    void append_row(const std::string_view (&cells)[column_total]);
    void replace_row(int row, const std::string_view (&cells)[column_total]);

    std::string arena_;
    std::vector<Row> rows_;
};
