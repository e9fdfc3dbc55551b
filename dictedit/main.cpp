#include "editor_window.h"
#include "file_operations.h"
#include "prompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    WidgetPrompts prompts;
    EditorWindow window(prompts, program_directory());
    window.show();
    application.exec();
    return 0;
}
