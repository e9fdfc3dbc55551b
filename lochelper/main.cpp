#include "file_operations.h"
#include "main_window.h"
#include "prompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The program reads no command line: Qt sees the program name alone, so no
    // argument can change what it does.
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication app(qt_argc, argv);
    WidgetPrompts prompts;
    MainWindow window(prompts, program_directory());
    window.show();
    app.exec();
    return 0;
}
