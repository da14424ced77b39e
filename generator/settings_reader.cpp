#include "settings_reader.hpp"

#include "platform.hpp"
#include "xml_text.hpp"

namespace kestrin {

namespace {

bool is_whitespace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Reads the next word into word, leaving the byte that ends it in the input.
// False when the input ends before a word starts.
bool read_word(TextInput& input, std::string& word) {
    while (is_whitespace(input.peek())) input.get();
    if (input.peek() == TextInput::end) return false;
    word.clear();
    while (input.peek() != TextInput::end && !is_whitespace(input.peek())) word += static_cast<char>(input.get());
    return true;
}

void discard_rest_of_line(TextInput& input) {
    while (input.peek() != TextInput::end && input.peek() != '\n') input.get();
}

void skip_blanks_and_line_feeds(TextInput& input) {
    while (input.peek() == ' ' || input.peek() == '\n') input.get();
}

// A key as the last word of the input keeps the value it has.
void read_value(TextInput& input, SettingTable::Row& row, std::string& word, RunLog& log) {
    const std::string_view key = row.definition->key;
    if (read_word(input, word)) {
        if (!is_xml_attribute_text(word)) {
            log.write(Message::value_refused, {key});
            return;
        }
        row.value = word;
    }
    log.write(Message::value_set, {key, row.value});
}

}  // namespace

void read_settings(TextInput& input, SettingTable& table, RunLog& log) {
    std::string word;
    std::string value;
    while (read_word(input, word)) {
        if (SettingTable::Row* row = table.find(word)) {
            read_value(input, *row, value, log);
        } else {
            log.write(Message::value_unrecognized, {word});
            discard_rest_of_line(input);
        }
        skip_blanks_and_line_feeds(input);
    }
}

bool read_settings_file(const std::string& path, SettingTable& table, RunLog& log) {
    platform::File file = platform::File::open_for_reading(path);
    // Reading the run log while writing it would never end.
    if (!file.is_open() || log.is_written_to(file)) {
        log.write(Message::input_unreadable, {path});
        return false;
    }
    TextInput input([&file](char* buffer, std::size_t size) { return file.read(buffer, size); });
    read_settings(input, table, log);
    if (input.failed()) {
        log.write(Message::input_read_failed, {path});
        return false;
    }
    return true;
}

}  // namespace kestrin
