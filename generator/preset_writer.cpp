#include "preset_writer.hpp"

#include <string>

#include "replacement_file.hpp"
#include "xml_text.hpp"

namespace kestrin {

namespace {

constexpr std::string_view declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view footer_start =
    " ScrollExtent=\"14,15\" Size=\"14,15\" Style=\"CustomStyle\" TextColor=\"#EBDEAA\" Tooltip=\"Custom Preset";
constexpr std::string_view footer_end = "\"></Checkbox>";
constexpr std::string_view style_line =
    "<CheckboxStyle DisabledTextStyle=\"/Fonts.FontQuen15\" Name=\"CustomStyle\" "
    "NormalTextStyle=\"/Fonts.FontQuen15\" RStyleActivated=\"CustomStyle.activated_rect\" "
    "RStyleDefault=\"CustomStyle.default_rect\" RStyleMouseOver=\"CustomStyle.default_mouseover_rect\" "
    "RStyleMouseOverActivated=\"CustomStyle.activated_mouseover_rect\"/>";

std::string assignment(const SettingTable::Row& row) {
    std::string text(row.definition->key);
    text += '=';
    append_xml_attribute(text, row.value);
    return text;
}

}  // namespace

void write_preset(const PresetSlot& slot, const SettingTable& table, TextOutput& out, RunLog& log) {
    log.write(Message::beginning_output);
    out.write_line(declaration);
    log.write(Message::writing_header);
    out.write_line(slot.header);
    for (const SettingTable::Row& row : table.rows()) {
        const std::string line = assignment(row);
        out.write_line(line);
        out.write(line);
        // The last assignment closes the OnSet script, and the footer goes on
        // on its line.
        out.write(&row == &table.rows().back() ? "\"" : "\n");
        log.write(Message::writing_value, {row.definition->log_name});
    }
    log.write(Message::writing_footer);
    out.write(footer_start);
    out.write(slot.number);
    out.write_line(footer_end);
    out.write_line(style_line);
}

bool write_preset_file(const PresetSlot& slot, const SettingTable& table, RunLog& log) {
    ReplacementFile file{std::string(slot.file_name)};
    TextOutput out([&file](std::string_view bytes) { return file.write(bytes); });
    write_preset(slot, table, out, log);
    if (!out.flush() || !file.commit()) {
        log.write(Message::output_failed, {slot.file_name});
        return false;
    }
    log.write(Message::output_complete);
    return true;
}

}  // namespace kestrin
