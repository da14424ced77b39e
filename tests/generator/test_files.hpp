#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The expected preset files and their inputs, written by hand from the
// settings table.
inline std::string golden_file(const std::string& name) {
    return read_file(std::filesystem::u8path(KESTRIN_GOLDEN_DIR) / name);
}
