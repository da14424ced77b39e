// The real Windows argument splitter agrees with the quoting.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "launch.hpp"

namespace {

TEST(CommandLineOnWindows, EveryPathSurvivesCommandLineToArgvW) {
    const std::wstring paths[] = {
        L"C:\\Program Files\\Vyr  Client\\vyr_recent.ini",
        L"  blanks  ",
        L"tab\there",
        L"C:\\ends\\",
        L"C:\\two\\\\",
        L"quote\"inside",
        L"\\\\\"",
        L"a, b  c",
        L"Zo\u00EB \u65E5\u672C",
    };
    for (const std::wstring& path : paths) {
        const std::wstring command = presets::generator_command_line(L"C:\\Kestrin\\kestrin.exe", 2, path);
        int count = 0;
        wchar_t** arguments = CommandLineToArgvW(command.c_str(), &count);
        ASSERT_NE(arguments, nullptr);
        ASSERT_EQ(count, 3);
        EXPECT_STREQ(arguments[0], L"C:\\Kestrin\\kestrin.exe");
        EXPECT_STREQ(arguments[1], L"2");
        EXPECT_EQ(std::wstring(arguments[2]), path);
        LocalFree(arguments);
    }
}

}  // namespace
