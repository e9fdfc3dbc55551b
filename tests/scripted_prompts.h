#pragma once
// Answers a window's prompts from a queue and records every one shown, so GUI
// tests drive real windows without a modal dialog. A prompt nobody expected fails
// the test and counts as Cancel.

#include "prompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

struct ShownPrompt {
    enum class Kind { file_dialog, question, information, warning };
    Kind kind;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool cancel_is_default = false;
    FileDialogSettings dialog;
};

class ScriptedPrompts : public Prompts {
public:
    // A file name to choose at the next file dialog; an empty one cancels it.
    void choose_next(const QString& path) { files.push_back(path); }
    void answer_next(bool ok) { answers.push_back(ok); }

    bool choose_file(QWidget*, FileDialogSettings& settings) override {
        shown.push_back({ShownPrompt::Kind::file_dialog, {}, QMessageBox::NoIcon, false, settings});
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return false;
        }
        const QString path = files.front();
        files.pop_front();
        if (path.isEmpty())
            return false;
        settings.file_name = path;
        return true;
    }
    bool ask_ok_cancel(QWidget*, const QString& text, QMessageBox::Icon icon,
                       bool cancel_is_default) override {
        shown.push_back({ShownPrompt::Kind::question, text, icon, cancel_is_default, {}});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    void inform(QWidget*, const QString& text) override {
        shown.push_back({ShownPrompt::Kind::information, text, QMessageBox::NoIcon, false, {}});
    }
    void warn(QWidget*, const QString& text) override {
        shown.push_back({ShownPrompt::Kind::warning, text, QMessageBox::Warning, false, {}});
    }

    std::vector<QString> questions() const { return texts_of(ShownPrompt::Kind::question); }
    std::vector<QString> warnings() const { return texts_of(ShownPrompt::Kind::warning); }
    std::vector<QString> informations() const { return texts_of(ShownPrompt::Kind::information); }
    std::vector<QString> texts_of(ShownPrompt::Kind kind) const {
        std::vector<QString> texts;
        for (const ShownPrompt& prompt : shown)
            if (prompt.kind == kind)
                texts.push_back(prompt.text);
        return texts;
    }

    std::deque<QString> files;
    std::deque<bool> answers;
    std::vector<ShownPrompt> shown;
};
