#include "selection.hpp"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    std::wstring drive, directory, file, path;
};

TEST(Selection, PathRuleAddsABackslashExceptAtTheRoot) {
    const PathCase cases[] = {
        {L"C:", L"C:\\Games\\Vyr", L"vyr_recent.ini", L"C:\\Games\\Vyr\\vyr_recent.ini"},
        {L"C:", L"C:\\Games\\Vyr", L"", L"C:\\Games\\Vyr\\"},
        {L"C:", L"C:\\", L"vyr_recent.ini", L"C:\\vyr_recent.ini"},
        {L"C:", L"C:\\", L"", L"C:\\"},
        {L"Z:", L"Z:\\tmp\\a, b  c", L"vyr_recent.ini", L"Z:\\tmp\\a, b  c\\vyr_recent.ini"},
        // The root test compares exactly: another case is not the root.
        {L"c:", L"C:\\", L"vyr_recent.ini", L"C:\\\\vyr_recent.ini"},
        {L"\\\\server\\share", L"\\\\server\\share\\", L"", L"\\\\server\\share\\"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(presets::selected_path(c.drive, c.directory, c.file), c.path);
    }
}

TEST(Selection, OnlyTheExactNamePassesTheFileCheck) {
    EXPECT_TRUE(presets::is_settings_file_name(L"vyr_recent.ini"));
    for (const wchar_t* name :
         {L"", L"VYR_RECENT.INI", L"Vyr_recent.ini", L"vyr_recent.ini ", L"vyr_recent.in", L"C:\\vyr_recent.ini"}) {
        EXPECT_FALSE(presets::is_settings_file_name(name)) << name;
    }
}

TEST(Selection, DrivesAndRoots) {
    EXPECT_EQ(presets::drive_text_of_root(L"C:\\"), L"C:");
    EXPECT_EQ(presets::root_of(L"C:\\Games\\Vyr"), L"C:\\");
    EXPECT_EQ(presets::root_of(L"C:"), L"C:\\");
    EXPECT_EQ(presets::root_of(L"\\\\server\\share\\games"), L"\\\\server\\share\\");
    EXPECT_EQ(presets::drive_text_of_root(presets::root_of(L"\\\\server\\share\\games")), L"\\\\server\\share");
}

TEST(Selection, FolderChainRunsFromTheRootDown) {
    using Chain = std::vector<std::wstring>;
    EXPECT_EQ(presets::folder_chain(L"C:\\"), (Chain{L"C:\\"}));
    EXPECT_EQ(presets::folder_chain(L"C:"), (Chain{L"C:\\"}));
    EXPECT_EQ(presets::folder_chain(L"C:\\Games\\Vyr Client\\"),
              (Chain{L"C:\\", L"C:\\Games", L"C:\\Games\\Vyr Client"}));
    EXPECT_EQ(presets::folder_chain(L"\\\\server\\share\\games"),
              (Chain{L"\\\\server\\share\\", L"\\\\server\\share\\games"}));
}

}  // namespace
