#pragma once

#include <string>
#include <vector>

namespace kestrin {

enum class ExitStatus : int {
    success = 0,
    // The preset was written from the defaults.
    input_unreadable = 1,
    preset_rejected = 2,
    // The old preset file, if any, was kept.
    output_failed = 3,
};

// One run: read the recent-settings file named on the command line and write
// the preset file of the chosen slot, reporting every step in the run log.
ExitStatus run(const std::vector<std::string>& arguments);

}  // namespace kestrin
