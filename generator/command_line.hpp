#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preset_slot.hpp"

namespace kestrin {

inline constexpr std::string_view default_input_path = "vyr_recent.ini";

// What a run is asked to do: kestrin [NUMBER [PATH WORD...]].
struct CommandLine {
    const PresetSlot* slot;
    // The path words joined again with single blanks, since a front end may
    // pass a path with blanks in it unquoted.
    std::string input_path;
};

// Nothing when the first argument is not exactly "1", "2" or "3".
std::optional<CommandLine> read_command_line(const std::vector<std::string>& arguments);

}  // namespace kestrin
