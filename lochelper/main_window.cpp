#include "main_window.h"

#include "accelerator.h"
#include "busy_cursor.h"
#include "editor_text.h"
#include "file_operations.h"
#include "line_layout.h"
#include "translation_pass.h"
#include "window_frame.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

const QString open_filter =
    QStringLiteral("语言包文件(*.lng)|*.lng|文本文件（*.txt）|*.txt|所有文件（*.*）|*.*");
const QString save_filter = QStringLiteral("文本文件（*.txt）|*.txt");

const QSize window_size(619, 484);

// Moving a progress bar costs about a microsecond, as much as a whole line of a
// pass, so the bar moves in steps of a thousandth; a bar at most a few hundred
// pixels wide shows no difference.
class ProgressBarProgress : public PassProgress {
public:
    explicit ProgressBarProgress(QProgressBar& bar) : bar_(bar) {}
    void set_maximum(long maximum) override {
        bar_.setMaximum(static_cast<int>(maximum));
        step_ = std::max(1L, maximum / 1000);
        next_ = 0;
    }
    void set_position(long position) override {
        if (position != 0 && position < next_ && position != bar_.maximum())
            return;
        bar_.setValue(static_cast<int>(position));
        next_ = position + step_;
    }

private:
    QProgressBar& bar_;
    long step_ = 1;
    long next_ = 0;
};

std::string local_path(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

MainWindow::MainWindow(Prompts& prompts, std::string program_directory, QWidget* parent)
    : QWidget(parent), prompts_(prompts), program_directory_(std::move(program_directory)) {
    setWindowTitle(QStringLiteral("Lexiro1.1"));
    move(50, 50);
    setFixedSize(window_size);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("editor_pane"));
    editor_->setGeometry(8, 8, 520, 416);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);

    progress_label_ = new QLabel(QStringLiteral("转换进度"), this);
    progress_label_->setObjectName(QStringLiteral("进度标签"));
    progress_label_->setGeometry(8, 432, 56, 16);

    progress_bar_ = new QProgressBar(this);
    progress_bar_->setObjectName(QStringLiteral("progress_bar"));
    progress_bar_->setGeometry(64, 432, 464, 16);
    progress_bar_->setRange(0, 100);
    progress_bar_->setValue(0);
    progress_bar_->setTextVisible(false);

    add_button(QStringLiteral("打开文件"), 16, &MainWindow::open_file);
    add_button(QStringLiteral("快捷键处理"), 48, &MainWindow::convert_accelerators);
    add_button(QStringLiteral("转成三行"), 80, &MainWindow::convert_to_three_lines);
    add_button(QStringLiteral("自动翻译"), 112, &MainWindow::translate_from_dictionary);
    add_button(QStringLiteral("转成单行"), 144, &MainWindow::convert_to_single_lines);
    add_button(QStringLiteral("保存文件"), 328, &MainWindow::save_file);
    add_button(QStringLiteral("使用说明"), 360, &MainWindow::show_help);
    add_button(QStringLiteral("退出程序"), 392, &MainWindow::exit_program);
}

QPushButton* MainWindow::add_button(const QString& name, int top, void (MainWindow::*command)()) {
    auto* button = new QPushButton(name, this);
    button->setObjectName(name);
    button->setGeometry(536, top, 72, 24);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, command);
    return button;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fit_to_frame(*this, window_size);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fit_to_frame(*this, window_size);
}

void MainWindow::set_help_view(bool on) {
    help_view_ = on;
    editor_->setReadOnly(on);
}

void MainWindow::open_file() {
    set_help_view(false);
    file_dialog_.type = FileDialogSettings::Type::open;
    file_dialog_.filter = open_filter;
    if (!prompts_.choose_file(this, file_dialog_))
        return;
    std::string bytes;
    std::string error;
    if (!read_file(local_path(file_dialog_.file_name), bytes, &error)) {
        prompts_.warn(this, QStringLiteral("无法打开文件，编辑框中的内容没有改变。\n") +
                                QString::fromUtf8(error));
        return;
    }
    replace_editor_content(*editor_, bytes);
}

void MainWindow::save_file() {
    const std::string content = editor_content_bytes(*editor_);
    if (content.empty())
        return;
    file_dialog_.type = FileDialogSettings::Type::save;
    file_dialog_.filter = save_filter;
    if (!prompts_.choose_file(this, file_dialog_))
        return;
    const QString path = file_dialog_.file_name + QStringLiteral(".txt");
    std::string error;
    if (!write_file(local_path(path), content, &error)) {
        prompts_.warn(this,
                      QStringLiteral("保存失败，文件没有写入。\n") + QString::fromUtf8(error));
        return;
    }
    prompts_.inform(this, QStringLiteral("已保存.位置为:") + path);
}

void MainWindow::show_help() {
    set_help_view(true);
    replace_editor_content(*editor_, read_text_file(program_directory_ + "/readme.txt"));
}

void MainWindow::exit_program() {
    if (prompts_.ask_ok_cancel(this, QStringLiteral("确实要退出吗？")))
        close();
}

void MainWindow::run_pass(const Pass& pass) {
    const std::string content = editor_content_bytes(*editor_);
    if (content.empty())
        return;
    BusyCursor busy;
    ProgressBarProgress progress(*progress_bar_);
    const std::string result = pass(content, progress);
    replace_editor_content(*editor_, result);
}

void MainWindow::convert_accelerators() {
    run_pass(accelerator_pass);
}
void MainWindow::convert_to_three_lines() {
    run_pass(three_line_pass);
}
void MainWindow::convert_to_single_lines() {
    run_pass(single_line_pass);
}

void MainWindow::translate_from_dictionary() {
    const std::string path = default_dictionary_path(program_directory_);
    if (!file_exists(path)) {
        prompts_.inform(this, QString::fromUtf8(missing_dictionary_message));
        return;
    }
    if (editor_->document()->isEmpty())
        return;
    DictionaryIndex index;
    std::string error;
    {
        BusyCursor busy;
        if (load_dictionary_index(path, index, error) != DictionaryLoad::loaded) {
            prompts_.warn(this, QStringLiteral("无法使用词典，编辑框中的内容没有改变。\n") +
                                    QString::fromUtf8(error));
            return;
        }
    }
    run_pass([&index](const std::string& content, PassProgress& progress) {
        return auto_translate(content, index, progress);
    });
}
