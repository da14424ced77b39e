// Feeds arbitrary bytes to the generator as a recent-settings file and checks
// what must hold for every input: the preset is sound XML that carries exactly
// the values the run log reports, with its fixed shape, and the log reports
// each entry once. A plain in-memory model of the file format is the oracle.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "preset_writer.hpp"
#include "run_log.hpp"
#include "setting_table.hpp"
#include "settings_reader.hpp"
#include "xml_text.hpp"

namespace {

using kestrin::SettingTable;

[[noreturn]] void fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

void check(bool holds, const char* what, const std::string& detail = "") {
    if (!holds) fail(what, detail);
}

struct Expectation {
    std::vector<std::string> log;
    std::map<std::string_view, std::string> values;
};

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The file format on the whole text at once: what the streaming reader must
// do, written as plainly as possible.
Expectation model(std::string_view raw) {
    std::string text;
    for (std::size_t i = 0; i < raw.size() && raw[i] != '\x1A'; ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text += raw[i];
    }
    Expectation expected;
    for (const auto& definition : kestrin::setting_definitions) {
        expected.values[definition.key] = std::string(definition.default_value);
    }
    std::size_t p = 0;
    const auto word = [&]() {
        while (p < text.size() && is_space(text[p])) ++p;
        const std::size_t start = p;
        while (p < text.size() && !is_space(text[p])) ++p;
        return text.substr(start, p - start);
    };
    while (true) {
        const std::string name = word();
        if (name.empty()) break;
        const auto known = expected.values.find(name);
        if (known == expected.values.end()) {
            expected.log.push_back("Value \"" + name + "\" unrecognized. Ignoring.");
            while (p < text.size() && text[p] != '\n') ++p;
        } else {
            const std::string value = word();
            if (!value.empty() && !kestrin::is_xml_attribute_text(value)) {
                expected.log.push_back("Value \"" + name +
                                       "\" not set. Its value cannot be written to the preset file. Ignoring.");
            } else {
                if (!value.empty()) known->second = value;
                expected.log.push_back("Value \"" + name + "\" set to \"" + known->second + "\".");
            }
        }
        while (p < text.size() && (text[p] == ' ' || text[p] == '\n')) ++p;
    }
    return expected;
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    check(start == text.size(), "text ends with CR LF");
    return lines;
}

std::string attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    check(value != nullptr, "attribute present", name);
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::vector<xmlNode*> element_children(xmlNode* parent) {
    std::vector<xmlNode*> elements;
    for (xmlNode* node = parent->children; node != nullptr; node = node->next) {
        if (node->type == XML_ELEMENT_NODE) elements.push_back(node);
    }
    return elements;
}

// Each key's value as the last V line for it reports, or its default.
std::map<std::string_view, std::string> reported_values(const std::vector<std::string>& reader_log) {
    std::map<std::string_view, std::string> values;
    for (const auto& definition : kestrin::setting_definitions) {
        values[definition.key] = std::string(definition.default_value);
    }
    for (const std::string& line : reader_log) {
        // Words hold no blanks, so no other line holds this separator.
        const std::size_t separator = line.find("\" set to \"");
        if (line.rfind("Value \"", 0) != 0 || separator == std::string::npos) continue;
        const auto known = values.find(std::string_view(line).substr(7, separator - 7));
        check(known != values.end(), "V line names a key", line);
        const std::size_t start = separator + 10;
        check(line.size() >= start + 2 && line.compare(line.size() - 2, 2, "\".") == 0, "V line ends", line);
        known->second = line.substr(start, line.size() - 2 - start);
    }
    return values;
}

// What OnSet must read once parsed: XML turns each line end inside an
// attribute into one blank and each entity back into its character.
std::string expected_script(const kestrin::PresetSlot& slot, const std::map<std::string_view, std::string>& values) {
    const std::string_view header = slot.header;
    std::string script(header.substr(header.find("OnSet=\"") + 7));
    for (const auto& definition : kestrin::setting_definitions) {
        const std::string assignment = std::string(definition.key) + "=" + values.at(definition.key);
        script += " " + assignment + " " + assignment;
    }
    return script;
}

void check_xml(const std::string& preset, const kestrin::PresetSlot& slot,
               const std::map<std::string_view, std::string>& values) {
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
    check(preset.compare(0, declaration.size(), declaration) == 0, "declaration first");
    // The file holds two top-level elements, as the client's own files do.
    const std::string wrapped = "<root>" + preset.substr(declaration.size()) + "</root>";
    xmlDoc* document = xmlReadMemory(wrapped.data(), static_cast<int>(wrapped.size()), "preset.xml", "UTF-8",
                                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    check(document != nullptr, "preset parses as well-formed XML");
    const std::vector<xmlNode*> elements = element_children(xmlDocGetRootElement(document));
    check(elements.size() == 2, "two top-level elements");
    check(std::string_view(reinterpret_cast<const char*>(elements[0]->name)) == "Checkbox", "Checkbox first");
    check(std::string_view(reinterpret_cast<const char*>(elements[1]->name)) == "CheckboxStyle", "style second");
    const std::string script = attribute(elements[0], "OnSet");
    check(script == expected_script(slot, values), "OnSet carries the values", script);
    check(attribute(elements[0], "Tooltip") == "Custom Preset" + std::string(slot.number), "Tooltip names the slot");
    xmlFreeDoc(document);
}

void check_shape(const std::string& preset) {
    std::size_t line_ends = 0;
    for (std::size_t i = 0; i < preset.size(); ++i) {
        if (preset[i] == '\r') check(i + 1 < preset.size() && preset[i + 1] == '\n', "no lone CR");
        if (preset[i] == '\n') check(i > 0 && preset[i - 1] == '\r', "no lone LF"), ++line_ends;
    }
    check(line_ends == 109, "109 line ends");
    const std::vector<std::string> lines = split_lines(preset);
    for (std::size_t row = 0; row < kestrin::setting_count; ++row) {
        const std::string start = std::string(kestrin::setting_definitions[row].key) + "=";
        check(lines[2 + 2 * row].rfind(start, 0) == 0, "first copy of the row", start);
        check(lines[3 + 2 * row].rfind(start, 0) == 0, "second copy of the row", start);
    }
}

std::vector<std::string> writer_lines() {
    std::vector<std::string> lines{"Beginning XML output...", "Writing header information..."};
    for (const auto& definition : kestrin::setting_definitions) {
        lines.push_back("Writing \"" + std::string(definition.log_name) + "\" value...");
    }
    lines.push_back("Writing footer information...");
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    xmlInitParser();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const kestrin::PresetSlot& slot = kestrin::preset_slots[size % 3];

    std::string log_bytes;
    kestrin::RunLog log([&log_bytes](std::string_view bytes) { return log_bytes.append(bytes), true; },
                        [](std::string_view) { return true; });
    SettingTable table;
    // Buffers of every small size put words and line ends across refills.
    const std::size_t buffer_size = size > 0 ? 1 + data[0] % 16 : 1;
    kestrin::TextInput text = kestrin::TextInput::from_bytes(input, buffer_size);
    kestrin::read_settings(text, table, log);
    const std::vector<std::string> reader_log = split_lines(log_bytes);

    log_bytes.clear();
    std::string preset;
    kestrin::TextOutput out([&preset](std::string_view bytes) { return preset.append(bytes), true; });
    kestrin::write_preset(slot, table, out, log);
    check(out.flush(), "preset flushed");

    const Expectation expected = model(input);
    check(reader_log == expected.log, "one log line per entry, as the format says");
    for (const auto& row : table.rows()) {
        check(row.value == expected.values.at(row.definition->key), "table value", std::string(row.definition->key));
    }
    check(split_lines(log_bytes) == writer_lines(), "writer's log lines");
    check_shape(preset);
    check_xml(preset, slot, reported_values(reader_log));
    return 0;
}
