#pragma once

#include <array>
#include <string>

#include <windows.h>

#include "file_system_lists.hpp"
#include "window_layout.hpp"

namespace presets {

// The one window of the program. Its state lives here, reached from the
// window procedure through GWLP_USERDATA; each event goes to one handler.
class MainWindow {
public:
    // Creates the window, runs its message loop and returns the exit code.
    static int run(HINSTANCE instance, int show_command);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

    void create_controls();
    void apply_dpi(int dpi);
    void layout();
    void on_command(int id, int code);

    void load();
    void drive_changed();
    void directory_changed();
    void file_clicked();
    void go();
    void exit_program();

    void apply_path_rule();
    void show_folder_error(const std::wstring& folder, DWORD error);
    void clear_output();
    void append_output(const std::wstring& entry);
    HWND control(int id) const;

    HWND window_ = nullptr;
    std::array<HWND, controls.size()> handles_{};
    HWND focus_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    DriveList drives_;
    DirectoryList directories_;
    FileList files_;
};

}  // namespace presets
