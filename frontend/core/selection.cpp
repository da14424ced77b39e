#include "selection.hpp"

namespace presets {

namespace {

bool is_separator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Where the part of path below its root starts.
std::size_t root_length(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':') return path.size() >= 3 && is_separator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && is_separator(path[0]) && is_separator(path[1])) {
        // \\server\share\ : the root takes two more separators.
        std::size_t separators = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (is_separator(path[i]) && ++separators == 2) return i + 1;
        }
        return path.size();
    }
    return path.size() >= 1 && is_separator(path[0]) ? 1 : 0;
}

}  // namespace

std::wstring selected_path(std::wstring_view drive_text, std::wstring_view directory, std::wstring_view file_name) {
    std::wstring path(directory);
    const bool at_root = directory.size() == drive_text.size() + 1 &&
                         directory.substr(0, drive_text.size()) == drive_text && directory.back() == L'\\';
    if (!at_root) path += L'\\';
    path += file_name;
    return path;
}

bool is_settings_file_name(std::wstring_view file_name) { return file_name == settings_file_name; }

std::wstring drive_text_of_root(std::wstring_view root) {
    if (!root.empty() && is_separator(root.back())) root.remove_suffix(1);
    return std::wstring(root);
}

std::wstring root_of(std::wstring_view path) {
    std::wstring root(path.substr(0, root_length(path)));
    if (root.empty() || !is_separator(root.back())) root += L'\\';
    return root;
}

std::vector<std::wstring> folder_chain(std::wstring_view path) {
    std::vector<std::wstring> chain{root_of(path)};
    std::wstring folder = chain.front();
    std::size_t start = root_length(path);
    while (start < path.size()) {
        std::size_t end = start;
        while (end < path.size() && !is_separator(path[end])) ++end;
        if (end > start) {
            if (!is_separator(folder.back())) folder += L'\\';
            folder.append(path.substr(start, end - start));
            chain.push_back(folder);
        }
        start = end + 1;
    }
    return chain;
}

}  // namespace presets
