#include "main_window.hpp"

#include <commctrl.h>

#include "dpi.hpp"
#include "launch.hpp"
#include "selection.hpp"
#include "win32_text.hpp"

namespace presets {

namespace {

constexpr wchar_t window_class[] = L"KestrinPresetsWindow";
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD window_ex_style = WS_EX_CONTROLPARENT;
// The generator ends within milliseconds; past this the player is told that
// the log is not complete yet rather than kept waiting.
constexpr DWORD generator_wait_ms = 5000;
// How far a drop-down list opens, in closed heights; closed, it takes the
// height of its font, as the platform draws it.
constexpr int drop_down_rows = 6;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

ControlClass class_of(ControlKind kind) {
    constexpr DWORD list = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    switch (kind) {
        case ControlKind::output_list:
        case ControlKind::directory_list:
        case ControlKind::file_list:
            return {WC_LISTBOXW, list, WS_EX_CLIENTEDGE};
        case ControlKind::push_button:
            return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::drop_down_list:
        case ControlKind::drive_list:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::text_box:
            return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::label:
            return {WC_STATICW, SS_CENTER | SS_NOPREFIX, 0};
    }
    return {WC_STATICW, 0, 0};
}

bool is_drop_down(ControlKind kind) { return kind == ControlKind::drop_down_list || kind == ControlKind::drive_list; }

std::wstring current_directory() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

std::wstring program_folder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return folder_of(path);
        }
        path.resize(path.size() * 2);
    }
}

// The run log as far as it could be read; error says why it stopped short.
std::string read_run_log(DWORD& error) {
    const HANDLE file = CreateFileW(std::wstring(run_log_file_name).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    std::string log;
    if (file == INVALID_HANDLE_VALUE) return log;
    char buffer[64 * 1024];
    DWORD count = 0;
    while (true) {
        if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr)) {
            error = GetLastError();
            break;
        }
        if (count == 0) break;
        log.append(buffer, count);
    }
    CloseHandle(file);
    return log;
}

}  // namespace

int MainWindow::run(HINSTANCE instance, int show_command) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    WNDCLASSEXW definition{};
    definition.cbSize = sizeof definition;
    definition.lpfnWndProc = procedure;
    definition.hInstance = instance;
    definition.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    definition.hIconSm = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    definition.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    definition.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    definition.lpszClassName = window_class;
    if (RegisterClassExW(&definition) == 0) return 1;

    MainWindow state;
    const std::wstring title = widen(window_title);
    if (CreateWindowExW(window_ex_style, window_class, title.c_str(), window_style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, &state) == nullptr) {
        return 1;
    }
    ShowWindow(state.window_, show_command);
    SetFocus(state.focus_);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab, Enter and Space as in a dialog box.
        if (IsDialogMessageW(state.window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* state = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        state->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    auto* state = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return state != nullptr ? state->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            create_controls();
            apply_dpi(dpi_of(window_));
            load();
            return 0;
        case WM_COMMAND:
            on_command(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_ACTIVATE:
            // Give the focus back to the control that had it.
            if (LOWORD(wparam) == WA_INACTIVE) {
                if (HWND focused = GetFocus(); focused != nullptr && IsChild(window_, focused)) focus_ = focused;
            } else if (focus_ != nullptr) {
                SetFocus(focus_);
            }
            return 0;
        case WM_DPICHANGED: {
            apply_dpi(HIWORD(wparam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_DESTROY:
            if (font_ != nullptr) DeleteObject(font_);
            font_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wparam, lparam);
    }
}

void MainWindow::create_controls() {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    // Created in tab order, which is the order Tab follows.
    for (const ControlDefinition* definition : tab_order()) {
        const ControlClass kind = class_of(definition->kind);
        const std::wstring caption = widen(definition->caption);
        const HWND handle =
            CreateWindowExW(kind.ex_style, kind.name, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0,
                            window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition->id)), instance, nullptr);
        handles_[static_cast<std::size_t>(definition - controls.data())] = handle;
    }
    focus_ = control(control_id::go_button);

    const std::wstring start = current_directory();
    drives_.attach(control(control_id::drive_list));
    directories_.attach(control(control_id::directory_list));
    files_.attach(control(control_id::file_list));
    drives_.fill(start);
    directories_.set_path(start);
    files_.set_directory(directories_.path());
}

void MainWindow::apply_dpi(int dpi) {
    dpi_ = dpi;
    const HFONT old_font = font_;
    font_ = create_message_font(dpi);
    for (HWND handle : handles_) SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old_font != nullptr) DeleteObject(old_font);
    layout();
}

void MainWindow::layout() {
    const auto px = [this](int twips) { return twips_to_pixels(twips, dpi_); };
    const SIZE size = window_size_for_client(px(client_width), px(client_height), window_style, window_ex_style, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const TwipsRect& place = controls[i].place;
        const int height = px(place.height);
        const bool drop_down = is_drop_down(controls[i].kind);
        MoveWindow(handles_[i], px(place.left), px(place.top), px(place.width),
                   drop_down ? height * drop_down_rows : height, TRUE);
    }
}

void MainWindow::on_command(int id, int code) {
    switch (id) {
        case IDOK:
            // Enter presses the focused button; elsewhere it does nothing.
            if (GetFocus() == control(control_id::go_button)) {
                go();
            } else if (GetFocus() == control(control_id::exit_button)) {
                exit_program();
            }
            break;
        case control_id::go_button:
            if (code == BN_CLICKED) go();
            break;
        case control_id::exit_button:
            if (code == BN_CLICKED) exit_program();
            break;
        case control_id::drive_list:
            if (code == CBN_SELCHANGE) drive_changed();
            break;
        case control_id::directory_list:
            if (code == LBN_DBLCLK && directories_.selected_folder() != directories_.path()) {
                directories_.set_path(directories_.selected_folder());
                directory_changed();
            }
            break;
        case control_id::file_list:
            if (code == LBN_SELCHANGE) file_clicked();
            break;
        default:
            break;
    }
}

void MainWindow::load() {
    const HWND profile = control(control_id::profile_number);
    for (const wchar_t* number : {L"1", L"2", L"3"}) {
        SendMessageW(profile, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number));
    }
    SendMessageW(profile, CB_SETCURSEL, 0, 0);
    apply_path_rule();
    if (const DWORD error = files_.set_directory(directories_.path())) show_folder_error(directories_.path(), error);
}

void MainWindow::drive_changed() {
    const std::wstring root = drives_.drive_text() + L"\\";
    if (root != directories_.path()) {
        directories_.set_path(root);
        directory_changed();
    }
    files_.set_directory(directories_.path());
    apply_path_rule();
}

void MainWindow::directory_changed() {
    // The file list reads the same folder as the directory list did, so its
    // error stands for both.
    if (const DWORD error = files_.set_directory(directories_.path())) show_folder_error(directories_.path(), error);
    apply_path_rule();
}

void MainWindow::file_clicked() { apply_path_rule(); }

void MainWindow::go() {
    if (!is_settings_file_name(files_.selected_name())) {
        clear_output();
        append_output(L"Error. Invalid vyr_recent.ini selected.");
        append_output(L"Please select a valid vyr_recent.ini from the files listing.");
        return;
    }
    const LRESULT index = SendMessageW(control(control_id::profile_number), CB_GETCURSEL, 0, 0);
    const int preset_number = static_cast<int>(index) + 1;
    const std::wstring path = window_text(control(control_id::path_box));
    const std::wstring program = program_folder() + std::wstring(generator_file_name);
    std::wstring command = generator_command_line(program, preset_number, path);
    clear_output();

    // Only this run's log may be shown: an old one must not pass for it if
    // the generator cannot write a new one.
    // A log that an earlier run still writes is truncated by the new run, so
    // only another reason to keep it makes its lines doubtful.
    const std::wstring log_name(run_log_file_name);
    if (!DeleteFileW(log_name.c_str())) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_SHARING_VIOLATION) {
            append_output(L"Could not remove the earlier run log \"" + log_name + L"\": " + system_error_text(error) +
                          L" The lines below may be from an earlier run.");
        }
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        append_output(L"Could not start \"" + program + L"\": " + system_error_text(GetLastError()));
        return;
    }
    CloseHandle(process.hThread);
    const bool finished = WaitForSingleObject(process.hProcess, generator_wait_ms) == WAIT_OBJECT_0;
    CloseHandle(process.hProcess);

    DWORD error = 0;
    const std::string log = read_run_log(error);
    if (error != 0) {
        append_output(L"Could not read the run log \"" + std::wstring(run_log_file_name) + L"\": " +
                      system_error_text(error));
    }
    for (const std::string& entry : log_entries(log)) append_output(widen(entry));
    if (!finished) {
        append_output(L"The run has not finished after 5 seconds; the lines above are what it has written so far.");
    }
}

void MainWindow::exit_program() { DestroyWindow(window_); }

void MainWindow::apply_path_rule() {
    const std::wstring path = selected_path(drives_.drive_text(), directories_.path(), files_.selected_name());
    SetWindowTextW(control(control_id::path_box), path.c_str());
}

void MainWindow::show_folder_error(const std::wstring& folder, DWORD error) {
    append_output(L"Could not read \"" + folder + L"\": " + system_error_text(error));
}

void MainWindow::clear_output() { SendMessageW(control(control_id::output_list), LB_RESETCONTENT, 0, 0); }

void MainWindow::append_output(const std::wstring& entry) {
    SendMessageW(control(control_id::output_list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

HWND MainWindow::control(int id) const {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) return handles_[i];
    }
    return nullptr;
}

}  // namespace presets
