#include "command_line.hpp"

#include <gtest/gtest.h>

namespace {

struct CommandCase {
    std::vector<std::string> arguments;
    const char* slot;  // nullptr: rejected
    std::string path;
};

TEST(CommandLine, ChoosesSlotAndJoinsPathWords) {
    const CommandCase cases[] = {
        {{}, "1", "vyr_recent.ini"},
        {{"2"}, "2", "vyr_recent.ini"},
        {{"3", "C:\\Games\\Vyr", "Client\\vyr_recent.ini"}, "3", "C:\\Games\\Vyr Client\\vyr_recent.ini"},
        {{"1", "a", "b", "c"}, "1", "a b c"},
        {{"1", "-h"}, "1", "-h"},
        {{"2", ""}, "2", ""},
        {{"1", std::string(5000, 'p')}, "1", std::string(5000, 'p')},
        {{"1", "C:\\Users\\Zo\xC3\xAB\\vyr_recent.ini"}, "1", "C:\\Users\\Zo\xC3\xAB\\vyr_recent.ini"},
        {{"01"}, nullptr, ""},
        {{"1.0"}, nullptr, ""},
        {{"4"}, nullptr, ""},
        {{"one"}, nullptr, ""},
        {{""}, nullptr, ""},
        {{" 1"}, nullptr, ""},
        {{"1 "}, nullptr, ""},
        {{"0", "vyr_recent.ini"}, nullptr, ""},
    };
    for (const CommandCase& c : cases) {
        const auto command = kestrin::read_command_line(c.arguments);
        const std::string shown = testing::PrintToString(c.arguments);
        if (c.slot == nullptr) {
            EXPECT_FALSE(command) << shown;
            continue;
        }
        ASSERT_TRUE(command) << shown;
        EXPECT_EQ(command->slot->number, c.slot) << shown;
        EXPECT_EQ(command->slot->file_name, std::string("vyrui_custompreset") + c.slot + ".xml");
        EXPECT_EQ(command->input_path, c.path) << shown;
    }
}

}  // namespace
