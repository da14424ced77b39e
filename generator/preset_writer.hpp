#pragma once

#include "preset_slot.hpp"
#include "run_log.hpp"
#include "setting_table.hpp"
#include "text_stream.hpp"

namespace kestrin {

// Writes the preset text of the slot to out: the declaration, the checkbox
// whose OnSet script assigns every setting its current value (twice, as the
// client's own files do), and its style, reporting each step in the log.
void write_preset(const PresetSlot& slot, const SettingTable& table, TextOutput& out, RunLog& log);

// Writes the slot's preset file in the current folder. The old file is
// replaced only by a complete new one; false, after saying so in the log,
// when the new one could not be written and the old one was kept.
bool write_preset_file(const PresetSlot& slot, const SettingTable& table, RunLog& log);

}  // namespace kestrin
