#pragma once
// Every blocking prompt a window shows goes through Prompts, so tests can answer
// them without a modal dialog. main() passes WidgetPrompts; tests pass a scripted
// implementation that queues answers and records what was shown.

#include <QMessageBox>
#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

// The window's one file dialog: its settings live as long as the window, and the
// file name the user chose last carries over to the next use, for either command.
struct FileDialogSettings {
    enum class Type { open, save };
    Type type = Type::open;
    // Description and pattern pairs separated by "|", as "文本文件（*.txt）|*.txt".
    QString filter;
    QString file_name;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows the file dialog as its settings say. On OK stores the chosen path in
    // settings.file_name and returns true; on cancel returns false.
    virtual bool choose_file(QWidget* parent, FileDialogSettings& settings) = 0;
    // OK/Cancel question without a title. True only for OK.
    virtual bool ask_ok_cancel(QWidget* parent, const QString& text,
                               QMessageBox::Icon icon = QMessageBox::NoIcon,
                               bool cancel_is_default = false) = 0;
    // A message with OK alone and no icon.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A failure the user can act on, with the warning icon.
    virtual void warn(QWidget* parent, const QString& text) = 0;
};

// The real dialogs: one QFileDialog kept for the lifetime of this object, and
// QMessageBox.
class WidgetPrompts : public Prompts {
public:
    WidgetPrompts();
    ~WidgetPrompts() override;
    bool choose_file(QWidget* parent, FileDialogSettings& settings) override;
    bool ask_ok_cancel(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                       bool cancel_is_default) override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;

private:
    std::unique_ptr<QFileDialog> dialog_;
};

// "desc|pattern|desc|pattern" to the name filters a QFileDialog takes.
QStringList name_filters_from(const QString& filter);
