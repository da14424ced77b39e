#pragma once

#include <string>
#include <string_view>
#include <vector>

// The front end's rules for what the player has selected.
namespace presets {

inline constexpr std::wstring_view settings_file_name = L"vyr_recent.ini";

// The full path of the selected file: the directory, a backslash unless the
// directory is the drive's root (which ends in one already), and the name.
// With no file selected, the directory and its backslash.
std::wstring selected_path(std::wstring_view drive_text, std::wstring_view directory, std::wstring_view file_name);

// Go! runs only for a file named exactly so, letter case included.
bool is_settings_file_name(std::wstring_view file_name);

// The drive list shows a drive as its root without the final backslash.
std::wstring drive_text_of_root(std::wstring_view root);

// The root of the drive that holds path: "C:\" for "C:\Games", or
// "\\server\share\" for a network path.
std::wstring root_of(std::wstring_view path);

// The folders from the root down to path itself, each as a full path.
std::vector<std::wstring> folder_chain(std::wstring_view path);

}  // namespace presets
