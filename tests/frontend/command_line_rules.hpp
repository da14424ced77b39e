#pragma once

#include <string>
#include <string_view>
#include <vector>

// How Windows programs split their command line into arguments: blanks and
// tabs separate them outside quotes; 2n backslashes before a quote give n
// backslashes and the quote opens or closes a quoted part; 2n+1 give n
// backslashes and a literal quote; other backslashes are literal.
inline std::vector<std::wstring> split_command_line(std::wstring_view line) {
    std::vector<std::wstring> arguments;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
        if (i == line.size()) return arguments;
        std::wstring argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == L'\\') ++backslashes, ++i;
            if (i < line.size() && line[i] == L'"') {
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument += L'"';
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, L'\\');
                if (i < line.size() && backslashes == 0) argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
}
