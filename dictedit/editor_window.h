#pragma once
// The dictionary editor's window: the record grid over default.edb in the program's
// directory, the four command buttons and the progress bar, at fixed positions.
// The grid is the working copy; only saving and clear all touch the file, and
// default.edb is at every moment either the old dictionary or the new one, whole.

#include "dictionary_table.h"

#include <QWidget>

#include <string>

class Prompts;
class QProgressBar;
class QPushButton;
class QTableView;
class RecordGrid;

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // Fills the grid from program_directory/default.edb before returning.
    EditorWindow(Prompts& prompts, std::string program_directory, QWidget* parent = nullptr);

    RecordGrid& grid() { return *grid_; }
    std::string dictionary_path() const;
    std::string temporary_path() const;

public slots:
    // Grid loading: the header row and every record of default.edb, numbered from 1.
    // A file that cannot be read as a dictionary is reported, and the grid then
    // holds the header row alone.
    void load_grid();
    void add_record();
    void delete_record();
    void clear_all();
    void save();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    int cursor_row() const;
    void set_cursor(int row, int column);
    void fit_frame();
    // True when default.edb is missing or readable, or the user agrees to replace
    // the unreadable file; `action` says what would replace it.
    bool may_replace_dictionary(const QString& action);
    // Writes the entries to 临时.edb and renames it over default.edb.
    bool replace_dictionary(const std::vector<DictionaryEntry>& entries, std::string& error);

    Prompts& prompts_;
    const std::string program_directory_;
    RecordGrid* grid_;
    QTableView* view_;
    QPushButton* add_button_;
    QPushButton* delete_button_;
    QPushButton* clear_button_;
    QPushButton* save_button_;
    QProgressBar* progress_;
};
