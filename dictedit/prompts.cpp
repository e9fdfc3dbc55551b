#include "prompts.h"

#include <QMessageBox>

bool MessageBoxPrompts::ask_ok_cancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void MessageBoxPrompts::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString(), text);
}

void MessageBoxPrompts::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QString(), text);
}
