#pragma once

#include <string>
#include <string_view>
#include <vector>

// The rules for starting the generator and showing what it reported.
namespace presets {

inline constexpr std::wstring_view generator_file_name = L"kestrin.exe";
inline constexpr std::wstring_view run_log_file_name = L"kestrin.log";

// One command-line argument that the Windows rules split back into exactly
// the given text, whatever blanks, tabs, quotes or backslashes it holds.
std::wstring quote_argument(std::wstring_view argument);

// The generator's command line: its program, the preset number and, unless
// the path box is empty, the path as one argument.
std::wstring generator_command_line(std::wstring_view program, int preset_number, std::wstring_view path);

// The folder part of a program's full path, with its final backslash.
std::wstring folder_of(std::wstring_view path);

// The run log as the output list shows it: one entry per line, exactly as
// written. A last line without its line end is shown as far as it goes.
std::vector<std::string> log_entries(std::string_view log);

}  // namespace presets
