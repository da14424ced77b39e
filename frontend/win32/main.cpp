#include <windows.h>

#include "main_window.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    return presets::MainWindow::run(instance, show_command);
}
