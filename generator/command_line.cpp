#include "command_line.hpp"

namespace kestrin {

std::optional<CommandLine> read_command_line(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return CommandLine{&preset_slots.front(), std::string(default_input_path)};
    const PresetSlot* slot = find_preset_slot(arguments.front());
    if (slot == nullptr) return std::nullopt;
    if (arguments.size() < 2) return CommandLine{slot, std::string(default_input_path)};
    std::string path = arguments[1];
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        path += ' ';
        path += arguments[i];
    }
    return CommandLine{slot, path};
}

}  // namespace kestrin
