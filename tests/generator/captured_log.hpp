#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "run_log.hpp"

// A run log held in memory, with what it would have shown on standard error.
struct CapturedLog {
    std::string bytes;
    std::string errors;
    kestrin::RunLog log{[this](std::string_view b) { return bytes.append(b), true; },
                        [this](std::string_view b) { return errors.append(b), true; }};

    CapturedLog() = default;
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    std::vector<std::string> lines() const { return split_lines(bytes); }

    // Splits text at CR LF; a text that does not end in CR LF yields its
    // unfinished last line too, so a missing line end shows up.
    static std::vector<std::string> split_lines(std::string_view text) {
        std::vector<std::string> lines;
        while (!text.empty()) {
            const std::size_t end = text.find("\r\n");
            lines.emplace_back(text.substr(0, end));
            if (end == std::string_view::npos) break;
            text.remove_prefix(end + 2);
        }
        return lines;
    }
};
