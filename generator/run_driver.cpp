#include "run_driver.hpp"

#include "command_line.hpp"
#include "preset_writer.hpp"
#include "run_log.hpp"
#include "setting_table.hpp"
#include "settings_reader.hpp"

namespace kestrin {

ExitStatus run(const std::vector<std::string>& arguments) {
    RunLog log = RunLog::create(run_log_name);
    const std::optional<CommandLine> command = read_command_line(arguments);
    if (!command) {
        log.write(Message::preset_rejected);
        log.write(Message::valid_presets);
        return ExitStatus::preset_rejected;
    }
    SettingTable table;
    log.write(Message::opening_input, {command->input_path});
    const bool input_read = read_settings_file(command->input_path, table, log);
    log.write(Message::closing_input, {command->input_path});
    if (!write_preset_file(*command->slot, table, log)) return ExitStatus::output_failed;
    return input_read ? ExitStatus::success : ExitStatus::input_unreadable;
}

}  // namespace kestrin
