#include "editor_window.h"

#include "busy_cursor.h"
#include "file_operations.h"
#include "prompts.h"
#include "record_grid.h"
#include "text_operations.h"
#include "window_frame.h"

#include <QApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QWindow>

#include <cerrno>

namespace {

const QSize window_size(557, 350);

QString from_utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Library errors usually name the path already; make sure the user always sees it.
QString reason_with_path(const std::string& path, const std::string& error) {
    if (error.find(path) != std::string::npos)
        return from_utf8(error);
    return from_utf8(path + ": " + error);
}

QPushButton* make_button(QWidget* parent, const char* name, const char* caption, int top) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(464, top, 80, 24);
    button->setAutoDefault(false);
    return button;
}

} // namespace

EditorWindow::EditorWindow(Prompts& prompts, std::string program_directory, QWidget* parent)
    : QWidget(parent), prompts_(prompts), program_directory_(std::move(program_directory)),
      grid_(new RecordGrid(this)), view_(new QTableView(this)),
      add_button_(make_button(this, "添加记录", "添加记录(&a)", 40)),
      delete_button_(make_button(this, "删除记录", "删除记录(&d)", 72)),
      clear_button_(make_button(this, "清空数据", "清空数据(K)", 152)),
      save_button_(make_button(this, "保存", "保存更改(&s)", 248)),
      progress_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Lexiro 数据库编辑器"));
    move(50, 50);
    setFixedSize(window_size);

    view_->setObjectName(QStringLiteral("记录网格"));
    view_->setGeometry(16, 16, 440, 280);
    // Row 0 of the grid is the header row, so the view's own headers stay hidden.
    view_->horizontalHeader()->hide();
    view_->verticalHeader()->hide();
    // Fixed row heights keep a million rows cheap to lay out and scroll.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->setModel(grid_);

    progress_->setObjectName(QStringLiteral("进度条"));
    progress_->setGeometry(16, 304, 440, 16);
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);

    connect(add_button_, &QPushButton::clicked, this, &EditorWindow::add_record);
    connect(delete_button_, &QPushButton::clicked, this, &EditorWindow::delete_record);
    connect(clear_button_, &QPushButton::clicked, this, &EditorWindow::clear_all);
    connect(save_button_, &QPushButton::clicked, this, &EditorWindow::save);

    load_grid();
}

std::string EditorWindow::dictionary_path() const {
    return program_directory_ + "/default.edb";
}

std::string EditorWindow::temporary_path() const {
    return program_directory_ + "/临时.edb";
}

int EditorWindow::cursor_row() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EditorWindow::set_cursor(int row, int column) {
    const QModelIndex cell = grid_->index(row, column);
    view_->setCurrentIndex(cell);
    view_->scrollTo(cell);
}

void EditorWindow::load_grid() {
    const std::string path = dictionary_path();
    std::string error;
    // A missing file is a dictionary not yet saved, not a fault.
    bool readable = true;
    if (file_exists(path))
        readable = grid_->load(path, error);
    else
        grid_->clear_records();
    view_->setColumnWidth(RecordGrid::number_column, 30);
    view_->setColumnWidth(RecordGrid::english_column, 200);
    view_->setColumnWidth(RecordGrid::chinese_column, 200);
    if (!readable)
        prompts_.warn(this, QStringLiteral("无法把这个文件读作词典，表格中只显示表头:\n") +
                                reason_with_path(path, error));
}

void EditorWindow::add_record() {
    const int rows = grid_->row_count();
    grid_->set_row_count(rows + 1);
    const double number = to_number(grid_->cell(rows - 1, RecordGrid::number_column)) + 1;
    grid_->set_cell(rows, RecordGrid::number_column, to_text(number));
    set_cursor(rows, RecordGrid::english_column);
    // The user types the new entry next, not into the button just pressed.
    view_->setFocus();
}

void EditorWindow::delete_record() {
    // The header row is never deleted: saving reads the records from row 1 on.
    const int row = cursor_row();
    if (row <= 0)
        return;
    grid_->delete_row(row);
}

void EditorWindow::clear_all() {
    if (!prompts_.ask_ok_cancel(this,
                                QStringLiteral("确实要清空所有数据吗?\r\n\r\n"
                                               "清空数据后不能恢复,请慎重使用这个功能."),
                                QMessageBox::Warning, true))
        return;
    if (!may_replace_dictionary(QStringLiteral("要用一个空词典替换它吗?")))
        return;
    const std::string path = dictionary_path();
    std::string error;
    bool cleared = true;
    if (file_exists(path)) {
        DictionaryTable table;
        if (table.table_open(path)) {
            cleared = table.remove_all();
            error = table.error();
            table.table_close();
        } else {
            cleared = replace_dictionary({}, error);
        }
    }
    load_grid();
    if (!cleared)
        prompts_.warn(this, QStringLiteral("清空数据失败，词典文件没有改变:\n") +
                                reason_with_path(path, error));
}

void EditorWindow::save() {
    if (!may_replace_dictionary(QStringLiteral("要用表格中的记录替换它吗?")))
        return;
    BusyCursor busy;
    const int rows = grid_->row_count();
    // A bar whose maximum equals its minimum would spin as if busy forever.
    progress_->setRange(0, std::max(rows - 1, 1));
    std::vector<DictionaryEntry> entries;
    entries.reserve(static_cast<size_t>(std::max(rows - 1, 0)));
    for (int i = 1; i < rows; ++i) {
        entries.push_back({grid_->cell(i, RecordGrid::english_column),
                           grid_->cell(i, RecordGrid::chinese_column)});
        if (i % 4096 == 0 || i == rows - 1)
            progress_->setValue(i);
    }
    sort_by_english(entries);
    std::string error;
    const bool saved = replace_dictionary(entries, error);
    progress_->setValue(0);
    if (!saved) {
        busy.restore();
        // The grid keeps the user's rows so that nothing typed is lost.
        prompts_.warn(this, QStringLiteral("保存失败，词典文件没有改变，表格中的记录仍然保留:\n") +
                                reason_with_path(dictionary_path(), error));
        return;
    }
    entries = {};
    load_grid();
}

bool EditorWindow::may_replace_dictionary(const QString& action) {
    const std::string path = dictionary_path();
    if (!file_exists(path))
        return true;
    DictionaryTable table;
    if (table.table_open(path))
        return true;
    return prompts_.ask_ok_cancel(this,
                                  QStringLiteral("这个文件不能作为词典读取:\n") +
                                      reason_with_path(path, table.error()) +
                                      QStringLiteral("\n\n") + action,
                                  QMessageBox::Warning, true);
}

bool EditorWindow::replace_dictionary(const std::vector<DictionaryEntry>& entries,
                                      std::string& error) {
    const std::string temporary = temporary_path();
    const std::string path = dictionary_path();
    if (!write_dictionary_file(temporary, entries, &error))
        return false;
    // One rename: the old file stays whole until the new one takes its place.
    if (!rename_file(temporary, path)) {
        error = system_error_text(path, errno);
        return false;
    }
    sync_directory_of(path);
    return true;
}

void EditorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fit_frame();
}

void EditorWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fit_frame();
}

void EditorWindow::fit_frame() {
    fit_to_frame(*this, window_size);
}
