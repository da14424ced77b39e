#include "run_log.hpp"

#include <array>
#include <memory>
#include <utility>

namespace kestrin {

namespace {

struct MessageText {
    Message message;
    std::string_view text;
    bool is_error;
};

constexpr std::array<MessageText, 15> message_texts = {{
    {Message::preset_rejected, "Error. Unrecognized preset identifier.", true},
    {Message::valid_presets, "Please enter a value of 1, 2, or 3.", true},
    {Message::opening_input, "Opening \"{}\".", false},
    {Message::input_unreadable, "Could not open \"{}\". Using default values.", true},
    {Message::input_read_failed, "Error. Could not read \"{}\" to its end.", true},
    {Message::value_set, "Value \"{}\" set to \"{}\".", false},
    {Message::value_unrecognized, "Value \"{}\" unrecognized. Ignoring.", false},
    {Message::value_refused, "Value \"{}\" not set. Its value cannot be written to the preset file. Ignoring.", false},
    {Message::closing_input, "Closing \"{}\".", false},
    {Message::beginning_output, "Beginning XML output...", false},
    {Message::writing_header, "Writing header information...", false},
    {Message::writing_value, "Writing \"{}\" value...", false},
    {Message::writing_footer, "Writing footer information...", false},
    {Message::output_complete, "XML output complete.", false},
    {Message::output_failed, "Error. Could not write \"{}\".", true},
}};

const MessageText& text_of(Message message) {
    for (const MessageText& entry : message_texts) {
        if (entry.message == message) return entry;
    }
    return message_texts.front();
}

// The text of one line, without its line end: each {} takes the next piece.
std::string format_message(Message message, std::initializer_list<std::string_view> pieces) {
    const std::string_view text = text_of(message).text;
    const std::string_view* piece = pieces.begin();
    std::string line;
    line.reserve(text.size() + 64);
    std::size_t start = 0;
    for (std::size_t hole = text.find("{}"); hole != std::string_view::npos; hole = text.find("{}", start)) {
        line.append(text.substr(start, hole - start));
        if (piece != pieces.end()) line.append(*piece++);
        start = hole + 2;
    }
    line.append(text.substr(start));
    return line;
}

}  // namespace

RunLog RunLog::create(std::string_view path) {
    auto file = std::make_shared<platform::File>(platform::File::create_for_writing(std::string(path)));
    ByteSink error_sink = [](std::string_view bytes) {
        platform::write_to_stderr(bytes);
        return true;
    };
    if (!file->is_open()) {
        error_sink("Error. Could not create \"" + std::string(path) + "\". The run goes on without a log.\n");
        return RunLog([](std::string_view) { return true; }, error_sink);
    }
    RunLog log([file](std::string_view bytes) { return file->write(bytes); }, error_sink);
    log.file_ = file;
    return log;
}

bool RunLog::is_written_to(const platform::File& file) const { return file_ && file_->is_same_file_as(file); }

RunLog::RunLog(ByteSink log_sink, ByteSink error_sink)
    : log_(std::move(log_sink)), error_sink_(std::move(error_sink)) {}

void RunLog::write(Message message, std::initializer_list<std::string_view> pieces) {
    const std::string line = format_message(message, pieces);
    if (text_of(message).is_error) error_sink_(line + "\n");
    log_.write_line(line);
    // One notice is enough: every later line fails the same way.
    if (!log_.flush() && !reported_failure_) {
        reported_failure_ = true;
        error_sink_("Error. Could not write to the run log.\n");
    }
}

}  // namespace kestrin
