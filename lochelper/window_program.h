#pragma once
// How both programs run: one window, shown at once, until it is destroyed; then
// exit code 0. The command line is not read: Qt sees the program name alone, so no
// argument can change what the program does.

#include "file_operations.h"
#include "prompts.h"

#include <QApplication>

template <typename Window> int run_window_program(int argc, char** argv) {
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication application(qt_argc, argv);
    WidgetPrompts prompts;
    Window window(prompts, program_directory());
    window.show();
    application.exec();
    return 0;
}
