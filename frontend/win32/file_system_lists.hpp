#pragma once

#include <string>
#include <vector>

#include <windows.h>

// The drive, directory and file lists, each a small control of its own on a
// standard combo box or list box. They only show the file system: none of
// them changes the process's current directory.
namespace presets {

// Each drive as its root without the final backslash ("C:").
class DriveList {
public:
    void attach(HWND combo) { combo_ = combo; }
    // Lists the machine's drives and selects the one that holds folder.
    void fill(const std::wstring& folder);
    std::wstring drive_text() const;

private:
    HWND combo_ = nullptr;
};

// The folders from the root down to the current one, then the current
// folder's subfolders; double-click or Enter opens one.
class DirectoryList {
public:
    void attach(HWND list);
    // Moves to folder. When its subfolders cannot be read, the list shows
    // the path alone; the file list, which reads the same folder, reports why.
    void set_path(const std::wstring& folder);
    const std::wstring& path() const { return path_; }
    // The folder of the selected entry, or the current one.
    std::wstring selected_folder() const;

private:
    HWND list_ = nullptr;
    std::wstring path_;
    std::vector<std::wstring> folders_;
};

// The files of one folder whose name matches the settings file's name, as
// the file system matches names.
class FileList {
public:
    void attach(HWND list) { list_ = list; }
    // Shows folder's matching files, none selected. Returns 0 or the
    // system's error code when the folder could not be read.
    DWORD set_directory(const std::wstring& folder);
    // The selected entry's name, or empty when none is selected.
    std::wstring selected_name() const;

private:
    HWND list_ = nullptr;
};

}  // namespace presets
