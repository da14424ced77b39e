#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace presets {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// The system's description of an error code, without its final line end.
std::wstring system_error_text(DWORD code);

// The text of a window or control.
std::wstring window_text(HWND window);

}  // namespace presets
