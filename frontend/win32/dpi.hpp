#pragma once

#include <windows.h>

// The per-monitor DPI functions of newer Windows, with the system-wide
// values where they are missing.
namespace presets {

int dpi_of(HWND window);
// The outer size of a window whose client area has the given size.
SIZE window_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, int dpi);
// The system's message font, sized for dpi.
HFONT create_message_font(int dpi);

}  // namespace presets
