#include "record_grid.h"

#include "gbk_codec.h"
#include "text_operations.h"

namespace {

const char* const header_texts[] = {"\xD0\xF2\xBA\xC5", "\xD3\xA2\xCE\xC4", "\xD6\xD0\xCE\xC4"};

QString display_text(std::string_view bytes) {
    const std::u16string text = decode_gbk(std::string(bytes));
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

} // namespace

RecordGrid::RecordGrid(QObject* parent) : QAbstractTableModel(parent) {
    start_arena();
}

std::string_view RecordGrid::cell_view(int row, int column) const {
    if (row < 0 || row >= row_count() || column < 0 || column >= column_total)
        return {};
    const Row& r = rows_[static_cast<size_t>(row)];
    uint64_t offset = r.offset;
    for (int c = 0; c < column; ++c)
        offset += r.length[c];
    return std::string_view(arena_).substr(offset, r.length[column]);
}

std::string RecordGrid::cell(int row, int column) const {
    return std::string(cell_view(row, column));
}

void RecordGrid::append_row(const std::string_view (&cells)[column_total]) {
    Row row;
    row.offset = arena_.size();
    for (int c = 0; c < column_total; ++c) {
        arena_.append(cells[c]);
        row.length[c] = static_cast<uint32_t>(cells[c].size());
    }
    rows_.push_back(row);
}

void RecordGrid::replace_row(int row, const std::string_view (&cells)[column_total]) {
    // The new content may come from the arena itself, which appending can move.
    std::string content;
    Row replacement;
    for (int c = 0; c < column_total; ++c) {
        content.append(cells[c]);
        replacement.length[c] = static_cast<uint32_t>(cells[c].size());
    }
    replacement.offset = arena_.size();
    arena_.append(content);
    rows_[static_cast<size_t>(row)] = replacement;
}

void RecordGrid::set_row_count(int count) {
    count = std::max(count, 0);
    const int current = row_count();
    if (count > current) {
        beginInsertRows(QModelIndex(), current, count - 1);
        rows_.resize(static_cast<size_t>(count), Row{arena_.size(), {0, 0, 0}});
        endInsertRows();
    } else if (count < current) {
        beginRemoveRows(QModelIndex(), count, current - 1);
        rows_.resize(static_cast<size_t>(count));
        endRemoveRows();
    }
}

void RecordGrid::set_cell(int row, int column, const std::string& value) {
    if (row < 0 || row >= row_count() || column < 0 || column >= column_total)
        return;
    std::string_view cells[column_total];
    for (int c = 0; c < column_total; ++c)
        cells[c] = c == column ? std::string_view(value) : cell_view(row, c);
    replace_row(row, cells);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
}

void RecordGrid::delete_row(int row) {
    if (row < 0 || row >= row_count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void RecordGrid::start_arena() {
    std::string().swap(arena_);
    std::vector<Row>().swap(rows_);
    append_row({header_texts[0], header_texts[1], header_texts[2]});
}

bool RecordGrid::load(const std::string& path, std::string& error) {
    beginResetModel();
    start_arena();
    long number = 0;
    const bool read = read_dictionary(
        path,
        [&](std::string&& english, std::string&& chinese) {
            const std::string number_text = to_text(static_cast<double>(++number));
            append_row({number_text, english, chinese});
        },
        &error);
    if (read) {
        arena_.shrink_to_fit();
        rows_.shrink_to_fit();
    } else {
        start_arena();
    }
    endResetModel();
    return read;
}

void RecordGrid::clear_records() {
    beginResetModel();
    start_arena();
    endResetModel();
}

int RecordGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : row_count();
}

int RecordGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : column_total;
}

QVariant RecordGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return display_text(cell_view(index.row(), index.column()));
    return {};
}

bool RecordGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    set_cell(index.row(), index.column(), encode_gbk(value.toString().toStdU16String()));
    return true;
}

Qt::ItemFlags RecordGrid::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only the record fields are the user's to type into; the header and the row
    // numbers belong to the grid.
    if (index.row() > 0 && index.column() != number_column)
        return shown | Qt::ItemIsEditable;
    return shown;
}
