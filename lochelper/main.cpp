#include "main_window.h"
#include "window_program.h"

int main(int argc, char** argv) { return run_window_program<MainWindow>(argc, argv); }
