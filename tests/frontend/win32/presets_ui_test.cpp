// Starts presets.exe as a player would and drives its window from outside,
// through the messages that the standard controls answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "window_layout.hpp"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

namespace id = presets::control_id;

// Sees the window in real pixels, as the per-monitor aware program does.
const BOOL dpi_aware = SetProcessDPIAware();

class TempFolder {
public:
    // Process ids are reused quickly under Wine, so the name also holds the time.
    explicit TempFolder(const std::wstring& name) {
        static int count = 0;
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        path_ = fs::temp_directory_path() /
                (L"presets-test-" + std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(++count)) / name;
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_.parent_path(), ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::wstring utf8_to_wide(const std::string& text) { return fs::u8path(text).wstring(); }

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Polls until done() holds or a few seconds have passed.
template <typename Condition>
bool eventually(Condition done, std::chrono::milliseconds limit = 10s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

struct WindowSearch {
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK find_main_window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (owner == search->process_id && IsWindowVisible(window) && std::wstring(title) == L"Kestrin") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// presets.exe running in folder, closed at the end of the test.
class Presets {
public:
    Presets(const fs::path& program, const fs::path& folder) {
        std::wstring command = L"\"" + program.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(program.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.wstring().c_str(), &startup, &process_)) {
            ADD_FAILURE() << "could not start " << program.string();
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        WindowSearch search{process_.dwProcessId, nullptr};
        eventually([&] {
            EnumWindows(find_main_window, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        window_ = search.found;
    }
    ~Presets() {
        if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND window() const { return window_; }
    HWND control(int control_id) const { return GetDlgItem(window_, control_id); }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
        return info.hwndFocus;
    }

    std::vector<std::wstring> list_items(int control_id) const {
        const HWND list = control(control_id);
        std::vector<std::wstring> items;
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            text.resize(
                static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            items.push_back(text);
        }
        return items;
    }

    // WM_GETTEXT, since GetWindowText does not ask another process's controls.
    std::wstring text(int control_id) const {
        wchar_t buffer[2048] = {};
        SendMessageW(control(control_id), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    // Selects an entry of a list box as a click does, with its notification.
    void select(int control_id, int index, WORD notification = LBN_SELCHANGE) const {
        SendMessageW(control(control_id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(control_id, notification),
                     reinterpret_cast<LPARAM>(control(control_id)));
    }

    void press_key(HWND target, WPARAM key) const {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

RECT client_place(HWND window, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::wstring text = name;
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

const wchar_t* expected_class(presets::ControlKind kind) {
    switch (kind) {
        case presets::ControlKind::output_list:
        case presets::ControlKind::directory_list:
        case presets::ControlKind::file_list:
            return L"listbox";
        case presets::ControlKind::push_button:
            return L"button";
        case presets::ControlKind::drop_down_list:
        case presets::ControlKind::drive_list:
            return L"combobox";
        case presets::ControlKind::text_box:
            return L"edit";
        case presets::ControlKind::label:
            return L"static";
    }
    return L"";
}

void save_screenshot(HWND window, const fs::path& path) {
    SetForegroundWindow(window);
    std::this_thread::sleep_for(500ms);
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD image_size = row * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + image_size),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), image_size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

const fs::path presets_exe = fs::u8path(PRESETS_EXE);

void write_settings(const fs::path& folder) {
    std::ofstream(folder / "vyr_recent.ini", std::ios::binary) << "[Graphics]\r\nr_bloom false\r\nr_max_lights 8.0\r\n";
}

TEST(PresetsWindow, IsAFixedWindowWithTheTenControlsInPlace) {
    TempFolder folder(L"start");
    write_settings(folder.path());
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);

    wchar_t title[64] = {};
    GetWindowTextW(app.window(), title, 64);
    EXPECT_STREQ(title, L"Kestrin");
    const LONG_PTR style = GetWindowLongPtrW(app.window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    std::printf("Screen resolution: %d DPI\n", dpi);
    RECT client{};
    GetClientRect(app.window(), &client);
    EXPECT_EQ(client.right, presets::twips_to_pixels(presets::client_width, dpi));
    EXPECT_EQ(client.bottom, presets::twips_to_pixels(presets::client_height, dpi));
    if (dpi == 96) {
        EXPECT_EQ(client.right, 395);
        EXPECT_EQ(client.bottom, 487);
    }

    for (const presets::ControlDefinition& definition : presets::controls) {
        const HWND control = app.control(definition.id);
        ASSERT_NE(control, nullptr) << definition.name;
        EXPECT_EQ(class_of(control), expected_class(definition.kind)) << definition.name;
        EXPECT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control)) << definition.name;
        const RECT place = client_place(app.window(), control);
        EXPECT_EQ(place.left, presets::twips_to_pixels(definition.place.left, dpi)) << definition.name;
        EXPECT_EQ(place.top, presets::twips_to_pixels(definition.place.top, dpi)) << definition.name;
        EXPECT_EQ(place.right - place.left, presets::twips_to_pixels(definition.place.width, dpi)) << definition.name;
        // A closed drop-down list is as high as the platform draws it.
        const bool drop_down = definition.kind == presets::ControlKind::drop_down_list ||
                               definition.kind == presets::ControlKind::drive_list;
        if (!drop_down) {
            EXPECT_EQ(place.bottom - place.top, presets::twips_to_pixels(definition.place.height, dpi))
                << definition.name;
        }
    }
    const LONG_PTR profile_style = GetWindowLongPtrW(app.control(id::profile_number), GWL_STYLE);
    EXPECT_EQ(profile_style & 3, CBS_DROPDOWNLIST);
    // Entries stay in the order appended, with a vertical scroll bar once
    // they do not fit and no horizontal one.
    const HWND output = app.control(id::output_list);
    for (const wchar_t* entry : {L"b", L"a", L"c"})
        SendMessageW(output, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    EXPECT_EQ(app.list_items(id::output_list), (std::vector<std::wstring>{L"b", L"a", L"c"}));
    const std::wstring long_entry(400, L'w');
    for (int i = 0; i < 40; ++i) SendMessageW(output, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(long_entry.c_str()));
    const LONG_PTR output_style = GetWindowLongPtrW(output, GWL_STYLE);
    EXPECT_TRUE(output_style & WS_VSCROLL);
    EXPECT_FALSE(output_style & WS_HSCROLL);
    SendMessageW(output, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(app.text(id::go_button), L"Go!");
    EXPECT_EQ(app.text(id::exit_button), L"Exit");
    EXPECT_EQ(app.text(id::profile_label), L"Profile Number");
    EXPECT_EQ(app.text(id::output_label), L"Output");

    save_screenshot(app.window(), fs::u8path(ARTIFACT_DIR) / ("presets-window-" + std::to_string(dpi) + "dpi.bmp"));
}

struct Icon {
    int count = 0, width = 0, height = 0, bits = 0;
};

// The icons a program file carries, read from its resources.
Icon icon_of(const fs::path& program) {
    Icon icon;
    const HMODULE module = LoadLibraryExW(program.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return icon;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&icon.count));
    if (const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON)) {
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        const int images = data[4] | data[5] << 8;
        icon.count *= images;
        icon.width = data[6];
        icon.height = data[7];
        icon.bits = data[12] | data[13] << 8;
    }
    FreeLibrary(module);
    return icon;
}

std::wstring version_text(const std::vector<BYTE>& record, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return L"(none)";
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(PresetsWindow, ProgramFilesCarryTheirIconsAndVersionRecord) {
    for (const fs::path& program : {presets_exe, presets_exe.parent_path() / "kestrin.exe"}) {
        const Icon icon = icon_of(program);
        EXPECT_EQ(icon.count, 1) << program.string();
        EXPECT_EQ(icon.width, 32);
        EXPECT_EQ(icon.height, 32);
        EXPECT_EQ(icon.bits, 32);
    }
    EXPECT_EQ(GetFileVersionInfoSizeW((presets_exe.parent_path() / "kestrin.exe").wstring().c_str(), nullptr), 0u);

    const DWORD size = GetFileVersionInfoSizeW(presets_exe.wstring().c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(presets_exe.wstring().c_str(), 0, size, record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    DWORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(*translation, 0x04B00409u);
    EXPECT_EQ(version_text(record, L"ProductName"), L"presets");
    EXPECT_EQ(version_text(record, L"FileVersion"), L"1.00");
    EXPECT_EQ(version_text(record, L"ProductVersion"), L"1.00");
    EXPECT_EQ(version_text(record, L"InternalName"), L"presets");
    EXPECT_EQ(version_text(record, L"OriginalFilename"), L"presets.exe");
    for (const wchar_t* absent : {L"CompanyName", L"FileDescription", L"LegalCopyright", L"Comments"}) {
        EXPECT_EQ(version_text(record, absent), L"(none)") << absent;
    }
}

TEST(PresetsWindow, StartsOnGoWithSlotOneAndTheStartFolder) {
    TempFolder folder(L"start");
    write_settings(folder.path());
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    EXPECT_EQ(app.focus(), app.control(id::go_button));

    const HWND profile = app.control(id::profile_number);
    ASSERT_EQ(SendMessageW(profile, CB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t item[8] = {};
        SendMessageW(profile, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(item, std::to_wstring(i + 1));
    }
    EXPECT_EQ(SendMessageW(profile, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(app.text(id::path_box), folder.path().wstring() + L"\\");
    EXPECT_EQ(app.list_items(id::file_list), std::vector<std::wstring>{L"vyr_recent.ini"});
    EXPECT_EQ(SendMessageW(app.control(id::file_list), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(app.list_items(id::output_list).empty());
    EXPECT_EQ(app.text(id::drive_list), folder.path().wstring().substr(0, 2));
}

TEST(PresetsWindow, FileListIsEmptyWhereNoSettingsFileIs) {
    TempFolder folder(L"empty");
    std::ofstream(folder.path() / "other.ini") << "x";
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    EXPECT_TRUE(app.list_items(id::file_list).empty());
}

TEST(PresetsWindow, TabVisitsTheControlsInOrderAndSkipsTheLabels) {
    TempFolder folder(L"tabs");
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    const int order[] = {id::go_button, id::path_box,       id::drive_list,  id::directory_list,
                         id::file_list, id::profile_number, id::exit_button, id::output_list};
    HWND current = app.control(id::go_button);
    for (std::size_t i = 1; i <= std::size(order); ++i) {
        current = GetNextDlgTabItem(app.window(), current, FALSE);
        EXPECT_EQ(GetDlgCtrlID(current), order[i % std::size(order)]) << "after tab " << i;
    }
    // The keyboard agrees: Tab from Go! reaches the path box.
    app.press_key(app.focus(), VK_TAB);
    EXPECT_TRUE(eventually([&] { return app.focus() == app.control(id::path_box); }));
}

TEST(PresetsWindow, EnterAndSpacePressOnlyTheFocusedButtonAndEscapeNothing) {
    TempFolder folder(L"keys");
    write_settings(folder.path());
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    const std::vector<std::wstring> refusal{L"Error. Invalid vyr_recent.ini selected.",
                                            L"Please select a valid vyr_recent.ini from the files listing."};

    app.press_key(app.focus(), VK_RETURN);
    EXPECT_TRUE(eventually([&] { return app.list_items(id::output_list) == refusal; }));

    SendMessageW(app.control(id::output_list), LB_RESETCONTENT, 0, 0);
    app.press_key(app.focus(), VK_SPACE);
    EXPECT_TRUE(eventually([&] { return app.list_items(id::output_list) == refusal; }));

    SendMessageW(app.control(id::output_list), LB_RESETCONTENT, 0, 0);
    app.press_key(app.focus(), VK_ESCAPE);
    app.press_key(app.focus(), VK_TAB);
    ASSERT_TRUE(eventually([&] { return app.focus() == app.control(id::path_box); }));
    app.press_key(app.focus(), VK_RETURN);
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(app.list_items(id::output_list).empty());
    EXPECT_TRUE(IsWindowVisible(app.window()));
}

// Selects the settings file, chooses the slot and presses Go!; returns how
// long the press took until the log was shown.
double run_go(const Presets& app, int slot) {
    app.select(id::file_list, 0);
    SendMessageW(app.control(id::profile_number), CB_SETCURSEL, static_cast<WPARAM>(slot - 1), 0);
    const auto start = std::chrono::steady_clock::now();
    SendMessageW(app.control(id::go_button), BM_CLICK, 0, 0);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::vector<std::wstring> log_lines(const fs::path& folder) {
    std::vector<std::wstring> lines;
    std::istringstream log(read_file(folder / "kestrin.log"));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(utf8_to_wide(line));
    }
    return lines;
}

TEST(PresetsWindow, GoShowsThisRunsWholeLogForEverySlot) {
    TempFolder folder(L"run");
    write_settings(folder.path());
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    for (int slot : {2, 1, 3}) {
        const double milliseconds = run_go(app, slot);
        std::printf("Go! to the whole log in the output list (slot %d): %.1f ms\n", slot, milliseconds);
        EXPECT_EQ(app.text(id::path_box), (folder.path() / L"vyr_recent.ini").wstring());
        const auto entries = app.list_items(id::output_list);
        EXPECT_EQ(entries, log_lines(folder.path()));
        ASSERT_EQ(entries.size(), 62u);
        EXPECT_EQ(entries.front(), L"Opening \"" + (folder.path() / L"vyr_recent.ini").wstring() + L"\".");
        EXPECT_EQ(entries.back(), L"XML output complete.");
        EXPECT_TRUE(fs::exists(folder.path() / (L"vyrui_custompreset" + std::to_wstring(slot) + L".xml")));
    }
    save_screenshot(app.window(), fs::u8path(ARTIFACT_DIR) / "presets-after-go.bmp");
}

TEST(PresetsWindow, AwkwardFolderNameArrivesWhole) {
    TempFolder folder(L"a, b  c \u00EB");
    write_settings(folder.path());
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    run_go(app, 1);
    const auto entries = app.list_items(id::output_list);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front(), L"Opening \"" + (folder.path() / L"vyr_recent.ini").wstring() + L"\".");
    EXPECT_EQ(entries[1], L"Value \"[Graphics]\" unrecognized. Ignoring.");
    EXPECT_EQ(entries.back(), L"XML output complete.");
}

TEST(PresetsWindow, OpeningAFolderClearsTheSelection) {
    TempFolder folder(L"browse");
    write_settings(folder.path());
    fs::create_directories(folder.path() / L"sub folder");
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    app.select(id::file_list, 0);
    const auto folders = app.list_items(id::directory_list);
    const auto entry = std::find_if(folders.begin(), folders.end(), [](const std::wstring& text) {
        return text.find(L"sub folder") != std::wstring::npos;
    });
    ASSERT_NE(entry, folders.end());
    app.select(id::directory_list, static_cast<int>(entry - folders.begin()), LBN_DBLCLK);
    EXPECT_EQ(app.text(id::path_box), (folder.path() / L"sub folder").wstring() + L"\\");
    EXPECT_TRUE(app.list_items(id::file_list).empty());
    SendMessageW(app.control(id::go_button), BM_CLICK, 0, 0);
    EXPECT_EQ(app.list_items(id::output_list).size(), 2u);
    EXPECT_FALSE(fs::exists(folder.path() / "kestrin.log"));
}

TEST(PresetsWindow, EnterOpensAFolderAndBrowsingKeepsTheCurrentFolder) {
    TempFolder folder(L"start");
    const fs::path client = folder.path() / L"client";
    fs::create_directories(client);
    write_settings(client);
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    for (int tab = 0; tab < 3; ++tab) app.press_key(app.focus(), VK_TAB);
    ASSERT_TRUE(eventually([&] { return app.focus() == app.control(id::directory_list); }));
    const auto folders = app.list_items(id::directory_list);
    SendMessageW(app.control(id::directory_list), LB_SETCURSEL, folders.size() - 1, 0);
    app.press_key(app.focus(), VK_RETURN);
    ASSERT_TRUE(eventually([&] { return app.text(id::path_box) == client.wstring() + L"\\"; }));
    EXPECT_EQ(app.list_items(id::file_list), std::vector<std::wstring>{L"vyr_recent.ini"});

    run_go(app, 2);
    EXPECT_EQ(app.list_items(id::output_list).back(), L"XML output complete.");
    // The generator ran in the folder presets started in, not the one browsed to.
    EXPECT_TRUE(fs::exists(folder.path() / "kestrin.log"));
    EXPECT_TRUE(fs::exists(folder.path() / "vyrui_custompreset2.xml"));
    EXPECT_FALSE(fs::exists(client / "kestrin.log"));
}

// A drive whose root cannot be read, as a drive without a medium.
class UnreadableDrive {
public:
    UnreadableDrive() { DefineDosDeviceW(0, name, L"C:\\no such folder"); }
    ~UnreadableDrive() { DefineDosDeviceW(DDD_REMOVE_DEFINITION, name, nullptr); }
    static constexpr const wchar_t* name = L"Q:";
};

TEST(PresetsWindow, UnreadableDriveShowsEmptyListsAndAMessage) {
    UnreadableDrive drive;
    TempFolder folder(L"drives");
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    const HWND drives = app.control(id::drive_list);
    ASSERT_NE(SendMessageW(drives, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(drive.name)),
              CB_ERR);
    SendMessageW(app.window(), WM_COMMAND, MAKEWPARAM(id::drive_list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(drives));
    EXPECT_EQ(app.text(id::path_box), L"Q:\\");
    EXPECT_EQ(app.list_items(id::directory_list), std::vector<std::wstring>{L"Q:\\"});
    EXPECT_TRUE(app.list_items(id::file_list).empty());
    const auto entries = app.list_items(id::output_list);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].rfind(L"Could not read \"Q:\\\": ", 0), 0u);
    EXPECT_TRUE(app.running());
}

TEST(PresetsWindow, FolderThatVanishedIsReported) {
    TempFolder folder(L"vanishing");
    fs::create_directories(folder.path() / "gone");
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    fs::remove(folder.path() / "gone");
    const auto folders = app.list_items(id::directory_list);
    app.select(id::directory_list, static_cast<int>(folders.size() - 1), LBN_DBLCLK);
    const auto entries = app.list_items(id::output_list);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].rfind(L"Could not read \"" + (folder.path() / "gone").wstring() + L"\": ", 0), 0u);
    EXPECT_TRUE(app.running());
}

TEST(PresetsWindow, MissingGeneratorIsReportedAndTheWindowStaysUp) {
    TempFolder program_folder(L"alone");
    fs::copy_file(presets_exe, program_folder.path() / "presets.exe");
    TempFolder folder(L"data");
    write_settings(folder.path());
    Presets app(program_folder.path() / "presets.exe", folder.path());
    ASSERT_NE(app.window(), nullptr);
    run_go(app, 1);
    const auto entries = app.list_items(id::output_list);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].rfind(L"Could not start \"", 0), 0u) << fs::path(entries[0]).string();
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutW(app.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored), 0);
    EXPECT_TRUE(app.running());
}

// presets.exe beside a generator that misbehaves as mode says.
struct StandIn {
    TempFolder programs{L"programs"};
    TempFolder data{L"data"};
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"KestrinStandInRelease");

    explicit StandIn(const char* mode) {
        fs::copy_file(presets_exe, programs.path() / "presets.exe");
        fs::copy_file(fs::u8path(STAND_IN_GENERATOR_EXE), programs.path() / "kestrin.exe");
        write_settings(data.path());
        std::ofstream(data.path() / "stand-in.txt") << mode;
    }
    // Lets a slow stand-in end, so that its folders can be removed.
    ~StandIn() {
        SetEvent(release);
        std::this_thread::sleep_for(300ms);
        CloseHandle(release);
    }
};

TEST(PresetsWindow, RunStillGoingAfterFiveSecondsShowsItsLogSoFarAndSaysSo) {
    StandIn stand_in("slow");
    Presets app(stand_in.programs.path() / "presets.exe", stand_in.data.path());
    ASSERT_NE(app.window(), nullptr);
    const double milliseconds = run_go(app, 1);
    EXPECT_GE(milliseconds, 4900.0);
    const auto entries = app.list_items(id::output_list);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], L"Opening \"vyr_recent.ini\".");
    EXPECT_EQ(entries[1], L"The run has not finished after 5 seconds; the lines above are what it has written so far.");
}

TEST(PresetsWindow, EarlierRunsLogIsNeverShownForANewRun) {
    StandIn stand_in("silent");
    std::ofstream(stand_in.data.path() / "kestrin.log", std::ios::binary) << "XML output complete.\r\n";
    Presets app(stand_in.programs.path() / "presets.exe", stand_in.data.path());
    ASSERT_NE(app.window(), nullptr);
    run_go(app, 1);
    const auto entries = app.list_items(id::output_list);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].rfind(L"Could not read the run log \"kestrin.log\": ", 0), 0u);
}

TEST(PresetsWindow, LogThatCannotBeReplacedIsShownWithAWarning) {
    StandIn stand_in("silent");
    const fs::path log = stand_in.data.path() / "kestrin.log";
    std::ofstream(log, std::ios::binary) << "XML output complete.\r\n";
    SetFileAttributesW(log.wstring().c_str(), FILE_ATTRIBUTE_READONLY);
    Presets app(stand_in.programs.path() / "presets.exe", stand_in.data.path());
    ASSERT_NE(app.window(), nullptr);
    run_go(app, 1);
    const auto entries = app.list_items(id::output_list);
    SetFileAttributesW(log.wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].rfind(L"Could not remove the earlier run log \"kestrin.log\": ", 0), 0u);
    EXPECT_NE(entries[0].find(L"The lines below may be from an earlier run."), std::wstring::npos);
    EXPECT_EQ(entries[1], L"XML output complete.");
}

TEST(PresetsWindow, ExitEndsTheProgram) {
    TempFolder folder(L"exit");
    Presets app(presets_exe, folder.path());
    ASSERT_NE(app.window(), nullptr);
    PostMessageW(app.control(id::exit_button), BM_CLICK, 0, 0);
    EXPECT_TRUE(eventually([&] { return !app.running(); }));
}

}  // namespace
