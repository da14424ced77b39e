#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "platform.hpp"
#include "text_stream.hpp"

namespace kestrin {

inline constexpr std::string_view run_log_name = "kestrin.log";

// Every line the run log can hold. The front end shows these lines to the
// player, so their wording is part of what the two programs share.
enum class Message {
    preset_rejected,
    valid_presets,
    opening_input,
    input_unreadable,
    input_read_failed,
    value_set,
    value_unrecognized,
    value_refused,
    closing_input,
    beginning_output,
    writing_header,
    writing_value,
    writing_footer,
    output_complete,
    output_failed,
};

// The run's report, one line per step, each line flushed as soon as it is
// complete so that a reader sees every step the run has taken so far. Error
// lines also go to the error sink, so that a person who runs the generator by
// hand sees why it failed.
class RunLog {
public:
    // Creates or truncates the log file; if it cannot be created the run goes
    // on without it, and standard error says so.
    static RunLog create(std::string_view path);

    RunLog(ByteSink log_sink, ByteSink error_sink);

    // Writes the message with each {} replaced by the next of the pieces.
    void write(Message message, std::initializer_list<std::string_view> pieces = {});

    // Whether file is this log's own file on disk.
    bool is_written_to(const platform::File& file) const;

private:
    std::shared_ptr<platform::File> file_;
    TextOutput log_;
    ByteSink error_sink_;
    bool reported_failure_ = false;
};

}  // namespace kestrin
