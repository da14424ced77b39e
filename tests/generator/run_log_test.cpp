#include "run_log.hpp"

#include <gtest/gtest.h>

#include "captured_log.hpp"

namespace {

using kestrin::Message;

TEST(RunLog, EndsEveryLineWithCrLfAndCopiesPiecesUnchanged) {
    CapturedLog captured;
    captured.log.write(Message::opening_input, {"C:\\a, \"b\" {} c"});
    captured.log.write(Message::value_set, {"r_bloom", "{}"});
    captured.log.write(Message::output_complete);
    EXPECT_EQ(captured.bytes,
              "Opening \"C:\\a, \"b\" {} c\".\r\n"
              "Value \"r_bloom\" set to \"{}\".\r\n"
              "XML output complete.\r\n");
    EXPECT_EQ(captured.errors, "");
}

TEST(RunLog, ErrorLinesAlsoGoToStandardError) {
    CapturedLog captured;
    captured.log.write(Message::preset_rejected);
    captured.log.write(Message::valid_presets);
    captured.log.write(Message::input_unreadable, {"x.ini"});
    captured.log.write(Message::output_failed, {"vyrui_custompreset1.xml"});
    const std::string expected =
        "Error. Unrecognized preset identifier.\n"
        "Please enter a value of 1, 2, or 3.\n"
        "Could not open \"x.ini\". Using default values.\n"
        "Error. Could not write \"vyrui_custompreset1.xml\".\n";
    EXPECT_EQ(captured.errors, expected);
    EXPECT_EQ(captured.lines().size(), 4u);
}

TEST(RunLog, SaysOnceWhenTheLogCannotBeWritten) {
    std::string errors;
    kestrin::RunLog log([](std::string_view) { return false; },
                        [&errors](std::string_view bytes) { return errors.append(bytes), true; });
    log.write(Message::beginning_output);
    log.write(Message::writing_header);
    EXPECT_EQ(errors, "Error. Could not write to the run log.\n");
}

}  // namespace
