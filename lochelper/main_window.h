#pragma once
// The helper's one window: the editor pane, the command buttons and the progress
// bar, at the fixed places of the layout. Each button runs one command to the end
// on the GUI thread; the window only reads its widgets, calls the passes and file
// operations, and writes the widgets back.

#include "line_pass.h"
#include "prompts.h"

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // program_directory: where readme.txt and default.edb are found.
    MainWindow(Prompts& prompts, std::string program_directory, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QProgressBar* progress_bar() const { return progress_bar_; }
    bool help_view() const { return help_view_; }
    const FileDialogSettings& file_dialog() const { return file_dialog_; }

    void open_file();
    void save_file();
    void show_help();
    void exit_program();
    void convert_accelerators();
    void convert_to_three_lines();
    void convert_to_single_lines();
    void translate_from_dictionary();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    using Pass = std::function<std::string(const std::string&, PassProgress&)>;
    void run_pass(const Pass& pass);
    void set_help_view(bool on);
    QPushButton* add_button(const QString& name, int top, void (MainWindow::*command)());

    Prompts& prompts_;
    const std::string program_directory_;
    FileDialogSettings file_dialog_;
    bool help_view_ = false;
    QPlainTextEdit* editor_;
    QLabel* progress_label_;
    QProgressBar* progress_bar_;
};
