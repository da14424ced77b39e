#include "text_stream.hpp"

#include <gtest/gtest.h>

using kestrin::TextInput;
using kestrin::TextOutput;

namespace {

std::string read_all(TextInput& input) {
    std::string text;
    for (int c = input.get(); c != TextInput::end; c = input.get()) text += static_cast<char>(c);
    return text;
}

struct ReadCase {
    std::string raw;
    std::string text;
};

TEST(TextInput, TranslatesLineEndsAndStopsAtCtrlZ) {
    const ReadCase cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb", "a\rb"},
        {"a\r\r\nb", "a\r\nb"},
        {"a\n\r", "a\n\r"},
        {"a\r", "a\r"},
        {"\r\r\r\n", "\r\r\n"},
        {"a\x1A"
         "b\r\nc",
         "a"},
        {"\r\x1A\n", "\r"},
        {"\x1A", ""},
        {std::string("\0\x7F\x80\xFF\t", 5), std::string("\0\x7F\x80\xFF\t", 5)},
    };
    for (const ReadCase& c : cases) {
        for (const std::size_t buffer_size : {1, 2, 3, 4096}) {
            // Small buffers put CR LF pairs on both sides of a refill.
            TextInput input = TextInput::from_bytes(c.raw, buffer_size);
            EXPECT_EQ(read_all(input), c.text) << "raw " << testing::PrintToString(c.raw) << ", buffer " << buffer_size;
            EXPECT_FALSE(input.failed());
        }
    }
}

TEST(TextInput, PeekDoesNotConsume) {
    TextInput input = TextInput::from_bytes("x\r\ny");
    EXPECT_EQ(input.peek(), 'x');
    EXPECT_EQ(input.get(), 'x');
    EXPECT_EQ(input.peek(), '\n');
    EXPECT_EQ(input.get(), '\n');
    EXPECT_EQ(input.get(), 'y');
    EXPECT_EQ(input.get(), TextInput::end);
    EXPECT_EQ(input.get(), TextInput::end);
}

TEST(TextInput, ReadErrorEndsTheInputAndIsReported) {
    int calls = 0;
    TextInput input([&calls](char* buffer, std::size_t) -> std::ptrdiff_t {
        if (calls++ > 0) return -1;
        buffer[0] = 'a';
        return 1;
    });
    EXPECT_EQ(read_all(input), "a");
    EXPECT_TRUE(input.failed());
}

TEST(TextOutput, WritesEveryLineFeedAsCrLfAndNothingElseChanged) {
    std::string stored;
    TextOutput output([&stored](std::string_view bytes) { return stored.append(bytes), true; });
    output.write_line("one");
    output.write("two\nthree\r");
    output.write("\x1A");
    EXPECT_TRUE(output.flush());
    EXPECT_EQ(stored, "one\r\ntwo\r\nthree\r\x1A");
}

TEST(TextOutput, SinkFailureSticks) {
    bool accept = false;
    std::string stored;
    TextOutput output([&](std::string_view bytes) { return accept && (stored.append(bytes), true); });
    output.write_line("lost");
    EXPECT_FALSE(output.flush());
    accept = true;
    output.write_line("later");
    EXPECT_FALSE(output.flush());
    EXPECT_TRUE(output.failed());
    EXPECT_EQ(stored, "");
}

}  // namespace
