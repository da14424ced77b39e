#include "launch.hpp"

#include <gtest/gtest.h>

#include "command_line_rules.hpp"

namespace {

const std::wstring awkward_paths[] = {
    L"C:\\Games\\Vyr\\vyr_recent.ini",
    L"C:\\Program Files\\Vyr  Client\\vyr_recent.ini",
    L"C:\\a\tb\\vyr_recent.ini",
    L"  leading and trailing  ",
    L"C:\\quote\"inside\\vyr_recent.ini",
    L"C:\\ends in backslash\\",
    L"C:\\ends in two\\\\",
    L"\\\\server\\share\\a b\\",
    L"back\\\\\"slashes\\\"before quotes",
    L"\"",
    L"\\",
    L"a, b  c",
    L"C:\\Users\\Zo\u00EB\\\u65E5\u672C\\vyr_recent.ini",
    L"",
};

TEST(Launch, EveryPathArrivesAsOneUnchangedArgument) {
    for (const std::wstring& path : awkward_paths) {
        const std::wstring command = L"kestrin.exe " + presets::quote_argument(path);
        const auto arguments = split_command_line(command);
        ASSERT_EQ(arguments.size(), 2u) << command;
        EXPECT_EQ(arguments[1], path) << command;
    }
}

TEST(Launch, CommandLineNamesTheProgramTheNumberAndThePath) {
    const std::wstring program = L"C:\\Program Files\\Kestrin\\kestrin.exe";
    EXPECT_EQ(presets::generator_command_line(program, 2, L"C:\\a b\\vyr_recent.ini"),
              L"\"C:\\Program Files\\Kestrin\\kestrin.exe\" 2 \"C:\\a b\\vyr_recent.ini\"");
    // An empty path box sends the number alone.
    EXPECT_EQ(presets::generator_command_line(program, 3, L""), L"\"C:\\Program Files\\Kestrin\\kestrin.exe\" 3");
    const auto arguments = split_command_line(presets::generator_command_line(program, 1, L"x\\ \"y\"\\"));
    EXPECT_EQ(arguments, (std::vector<std::wstring>{program, L"1", L"x\\ \"y\"\\"}));
}

TEST(Launch, FolderOfAProgram) {
    EXPECT_EQ(presets::folder_of(L"C:\\Kestrin\\presets.exe"), L"C:\\Kestrin\\");
    EXPECT_EQ(presets::folder_of(L"presets.exe"), L"");
}

struct LogCase {
    std::string log;
    std::vector<std::string> entries;
};

TEST(Launch, EachLogLineBecomesOneWholeEntry) {
    const LogCase cases[] = {
        {"", {}},
        {"Error. Unrecognized preset identifier.\r\nPlease enter a value of 1, 2, or 3.\r\n",
         {"Error. Unrecognized preset identifier.", "Please enter a value of 1, 2, or 3."}},
        {"Opening \"Z:\\a, b  c\\vyr_recent.ini\".\r\n", {"Opening \"Z:\\a, b  c\\vyr_recent.ini\"."}},
        {"Value \"  \" unrecognized.\r\n", {"Value \"  \" unrecognized."}},
        {"one\r\ncut off", {"one", "cut off"}},
        {"lone\rCR\r\n", {"lone\rCR"}},
        {"\r\n\r\n", {"", ""}},
    };
    for (const LogCase& c : cases) EXPECT_EQ(presets::log_entries(c.log), c.entries) << c.log;
}

}  // namespace
