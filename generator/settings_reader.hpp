#pragma once

#include <string>

#include "run_log.hpp"
#include "setting_table.hpp"
#include "text_stream.hpp"

namespace kestrin {

// Takes the values of the known settings out of a recent-settings file: a
// sequence of whitespace-separated words in which a known key is followed by
// its value and any other word is skipped with the rest of its line. Each
// entry is reported in the run log in the order it stands in the input.
void read_settings(TextInput& input, SettingTable& table, RunLog& log);

// Opens the file at path and reads it as above. False, after saying so in the
// run log, when it could not be opened or read to its end; the table then
// keeps its defaults, or what was read before the failure.
bool read_settings_file(const std::string& path, SettingTable& table, RunLog& log);

}  // namespace kestrin
