#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The expected preset files, written by hand from the settings table.
inline std::string golden_file(const std::string& name) {
    std::ifstream file(std::string(KESTRIN_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
