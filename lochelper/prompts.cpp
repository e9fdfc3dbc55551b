#include "prompts.h"

#include <QFileDialog>

QStringList name_filters_from(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from a trailing "(...)"; the descriptions use
        // full-width parentheses too, so the patterns are always added in ASCII ones.
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    }
    return filters;
}

WidgetPrompts::WidgetPrompts() = default;
WidgetPrompts::~WidgetPrompts() = default;

bool WidgetPrompts::choose_file(QWidget* parent, FileDialogSettings& settings) {
    if (!dialog_) {
        dialog_ = std::make_unique<QFileDialog>(parent);
        dialog_->setOption(QFileDialog::HideNameFilterDetails, true);
    }
    const bool open = settings.type == FileDialogSettings::Type::open;
    dialog_->setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog_->setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The save command adds ".txt" itself, so the dialog must not add a suffix of its own.
    dialog_->setDefaultSuffix(QString());
    dialog_->setNameFilters(name_filters_from(settings.filter));
    if (!settings.file_name.isEmpty())
        dialog_->selectFile(settings.file_name);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return false;
    settings.file_name = dialog_->selectedFiles().constFirst();
    return true;
}

bool WidgetPrompts::ask_ok_cancel(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                  bool cancel_is_default) {
    QMessageBox box(icon, QString(), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(cancel_is_default ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void WidgetPrompts::inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

void WidgetPrompts::warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}
