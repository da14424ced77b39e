#include "launch.hpp"

namespace presets {

std::wstring quote_argument(std::wstring_view argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each
        // must be doubled, and the quote itself escaped.
        const std::size_t count = c == L'"' ? 2 * backslashes + 1 : backslashes;
        quoted.append(count, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring generator_command_line(std::wstring_view program, int preset_number, std::wstring_view path) {
    std::wstring command = quote_argument(program);
    command += L' ';
    command += std::to_wstring(preset_number);
    if (!path.empty()) {
        command += L' ';
        command += quote_argument(path);
    }
    return command;
}

std::wstring folder_of(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, separator + 1));
}

std::vector<std::string> log_entries(std::string_view log) {
    std::vector<std::string> entries;
    while (!log.empty()) {
        const std::size_t end = log.find('\n');
        std::string_view line = log.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        entries.emplace_back(line);
        if (end == std::string_view::npos) break;
        log.remove_prefix(end + 1);
    }
    return entries;
}

}  // namespace presets
