#include "file_system_lists.hpp"

#include <commctrl.h>

#include <algorithm>

#include "selection.hpp"
#include "win32_text.hpp"

namespace presets {

namespace {

std::wstring child_path(const std::wstring& folder, const std::wstring& name) {
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path + name;
}

// Errors that only mean "nothing here".
DWORD unless_empty(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? 0 : error; }

std::wstring list_text(HWND list, LRESULT index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return std::wstring();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Enter in the directory list opens the selected folder as a double-click
// does; a dialog-style message loop would otherwise take Enter for itself.
LRESULT CALLBACK directory_key_procedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE && lparam != 0) {
        const MSG* pending = reinterpret_cast<const MSG*>(lparam);
        if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
            return DefSubclassProc(list, message, wparam, lparam) | DLGC_WANTMESSAGE;
        }
    }
    if (message == WM_KEYDOWN && wparam == VK_RETURN) {
        const int id = GetDlgCtrlID(list);
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
        return 0;
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

}  // namespace

void DriveList::fill(const std::wstring& folder) {
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> drives;
    std::wstring buffer(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
    GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    for (const wchar_t* root = buffer.c_str(); *root != L'\0'; root += wcslen(root) + 1) {
        drives.push_back(drive_text_of_root(root));
    }
    const std::wstring current = drive_text_of_root(root_of(folder));
    if (std::find(drives.begin(), drives.end(), current) == drives.end()) drives.push_back(current);
    for (const std::wstring& drive : drives) {
        const LRESULT index = SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
        if (drive == current) SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

std::wstring DriveList::drive_text() const {
    const LRESULT index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::wstring();
    const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void DirectoryList::attach(HWND list) {
    list_ = list;
    SetWindowSubclass(list_, directory_key_procedure, 1, 0);
}

void DirectoryList::set_path(const std::wstring& folder) {
    const std::vector<std::wstring> chain = folder_chain(folder);
    path_ = chain.back();
    folders_ = chain;

    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(child_path(path_, L"*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchLimitToDirectories, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            const bool folder_entry = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            const bool hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
            if (folder_entry && !hidden && name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });

    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (std::size_t level = 0; level < chain.size(); ++level) {
        const std::wstring& entry = chain[level];
        const std::wstring name = level == 0 ? entry : entry.substr(entry.find_last_of(L'\\') + 1);
        const std::wstring text = std::wstring(2 * level, L' ') + name;
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const std::wstring indent(2 * chain.size(), L' ');
    for (const std::wstring& name : names) {
        folders_.push_back(child_path(path_, name));
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((indent + name).c_str()));
    }
    SendMessageW(list_, LB_SETCURSEL, chain.size() - 1, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

std::wstring DirectoryList::selected_folder() const {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<std::size_t>(index) >= folders_.size()) return path_;
    return folders_[static_cast<std::size_t>(index)];
}

DWORD FileList::set_directory(const std::wstring& folder) {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = child_path(folder, std::wstring(settings_file_name));
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return unless_empty(GetLastError());
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return 0;
}

std::wstring FileList::selected_name() const {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::wstring() : list_text(list_, index);
}

}  // namespace presets
