#include "dpi.hpp"

namespace presets {

namespace {

template <typename Function>
Function user32_function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int dpi_of(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get_dpi_for_window = user32_function<GetDpiForWindowFn>("GetDpiForWindow");
    if (get_dpi_for_window != nullptr) {
        const UINT dpi = get_dpi_for_window(window);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE window_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust_for_dpi = user32_function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client_width, client_height};
    if (adjust_for_dpi == nullptr || !adjust_for_dpi(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, FALSE, ex_style);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HFONT create_message_font(int dpi) {
    using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto parameters_for_dpi = user32_function<ParametersForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (parameters_for_dpi == nullptr ||
        !parameters_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        const HDC screen = GetDC(nullptr);
        const int system_dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, system_dpi);
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace presets
