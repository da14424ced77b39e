// Runs the built generator as the Windows front end does: by a command line
// of wide characters, in a folder of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "captured_log.hpp"
#include "test_files.hpp"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    // Process ids are reused quickly under Wine, so the name also holds the time.
    TempFolder() {
        static int count = 0;
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        path_ = fs::temp_directory_path() /
                (L"kestrin-test-" + std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(++count));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs the generator with the command line that follows its program name.
DWORD run_kestrin(const fs::path& folder, const std::wstring& arguments) {
    const fs::path program = fs::u8path(KESTRIN_EXE);
    std::wstring command = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.wstring().c_str(), &startup, &process)) {
        return static_cast<DWORD>(-1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

std::vector<std::string> log_of(const fs::path& folder) {
    return CapturedLog::split_lines(read_file(folder / "kestrin.log"));
}

TEST(WindowsEndToEnd, UnquotedPathInAFolderOutsideTheCodePageIsJoinedAndOpened) {
    TempFolder folder;
    const fs::path client = folder.path() / L"Zo\u00EB \u65E5\u672C";
    fs::create_directories(client);
    fs::copy_file(fs::u8path(KESTRIN_GOLDEN_DIR) / "slot2_input.ini", client / "vyr_recent.ini");
    const fs::path input = client / "vyr_recent.ini";
    EXPECT_EQ(run_kestrin(folder.path(), L"2 " + input.wstring()), 0u);
    const auto log = log_of(folder.path());
    ASSERT_EQ(log.size(), 64u);
    EXPECT_EQ(log[0], "Opening \"" + input.u8string() + "\".");
    EXPECT_EQ(log[3], "Value \"r_bloom\" set to \"false\".");
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset2.xml"), golden_file("slot2_small_input.xml"));
}

TEST(WindowsEndToEnd, QuotedPathKeepsItsBlanks) {
    TempFolder folder;
    const fs::path client = folder.path() / L"two  blanks";
    fs::create_directories(client);
    std::ofstream(client / "vyr_recent.ini", std::ios::binary) << "r_flora true\r\n";
    const fs::path input = client / "vyr_recent.ini";
    EXPECT_EQ(run_kestrin(folder.path(), L"3 \"" + input.wstring() + L"\""), 0u);
    EXPECT_EQ(log_of(folder.path())[1], "Value \"r_flora\" set to \"true\".");
}

TEST(WindowsEndToEnd, OldPresetIsReplacedAndAMissingInputIsNotCreated) {
    TempFolder folder;
    std::ofstream(folder.path() / "vyrui_custompreset1.xml", std::ios::binary) << "old preset";
    EXPECT_EQ(run_kestrin(folder.path(), L""), 1u);
    EXPECT_EQ(log_of(folder.path())[1], "Could not open \"vyr_recent.ini\". Using default values.");
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset1.xml"), golden_file("slot1_defaults.xml"));
    EXPECT_FALSE(fs::exists(folder.path() / "vyr_recent.ini"));
}

TEST(WindowsEndToEnd, TargetTakenByAFolderIsKept) {
    TempFolder folder;
    fs::create_directories(folder.path() / "vyrui_custompreset3.xml" / "inside");
    EXPECT_EQ(run_kestrin(folder.path(), L"3"), 3u);
    EXPECT_EQ(log_of(folder.path()).back(), "Error. Could not write \"vyrui_custompreset3.xml\".");
    EXPECT_TRUE(fs::is_directory(folder.path() / "vyrui_custompreset3.xml" / "inside"));
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
}

TEST(WindowsEndToEnd, RejectedNumberLeavesTwoLines) {
    TempFolder folder;
    EXPECT_EQ(run_kestrin(folder.path(), L"01 vyr_recent.ini"), 2u);
    EXPECT_EQ(read_file(folder.path() / "kestrin.log"),
              "Error. Unrecognized preset identifier.\r\nPlease enter a value of 1, 2, or 3.\r\n");
}

}  // namespace
