#pragma once
// Prompts for windows driven without a user: benchmarks and child processes.
// File dialogs choose next_file (an empty one cancels), questions get `answer`,
// warnings go to standard error.

#include "prompts.h"

#include <cstdio>

class ConsolePrompts : public Prompts {
public:
    QString next_file;
    bool answer = false;

    bool choose_file(QWidget*, FileDialogSettings& settings) override {
        if (next_file.isEmpty())
            return false;
        settings.file_name = next_file;
        return true;
    }
    bool ask_ok_cancel(QWidget*, const QString&, QMessageBox::Icon, bool) override {
        return answer;
    }
    void inform(QWidget*, const QString&) override {}
    void warn(QWidget*, const QString& text) override {
        std::fprintf(stderr, "warning: %s\n", text.toUtf8().constData());
    }
};
