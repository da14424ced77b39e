// Runs the built generator as a player or a front end would: in a folder of
// its own, with a command line, reading what it leaves on disk.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "captured_log.hpp"
#include "test_files.hpp"
#include "preset_slot.hpp"
#include "replacement_file.hpp"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "kestrin-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

struct Outcome {
    int status = -1;
    std::string errors;
};

// Starts the generator in folder with its standard error on errors_fd; a
// file size limit stands in for a full disk.
pid_t start_kestrin(const fs::path& folder, const std::vector<std::string>& arguments, int errors_fd,
                    rlim_t file_size_limit = RLIM_INFINITY) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    ::dup2(errors_fd, STDERR_FILENO);
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    // A write past the limit then fails as on a full disk instead of killing
    // the process.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{file_size_limit, file_size_limit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::vector<char*> argv{const_cast<char*>(KESTRIN_EXE)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(KESTRIN_EXE, argv.data());
    ::_exit(127);
}

int exit_status_of(pid_t child) {
    int wait_status = 0;
    ::waitpid(child, &wait_status, 0);
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

Outcome run_kestrin(const fs::path& folder, const std::vector<std::string>& arguments,
                    rlim_t file_size_limit = RLIM_INFINITY) {
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) return {};
    const pid_t child = start_kestrin(folder, arguments, pipe_ends[1], file_size_limit);
    ::close(pipe_ends[1]);
    Outcome outcome;
    char buffer[4096];
    for (ssize_t count; (count = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;)
        outcome.errors.append(buffer, count);
    ::close(pipe_ends[0]);
    outcome.status = exit_status_of(child);
    return outcome;
}

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<std::string> log_of(const fs::path& folder) {
    return CapturedLog::split_lines(read_file(folder / "kestrin.log"));
}

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The lines of a run from the closing line on, for the given input path.
std::vector<std::string> closing_and_output_lines(const std::string& path) {
    std::vector<std::string> lines{"Closing \"" + path + "\".", "Beginning XML output...",
                                   "Writing header information..."};
    for (int row = 0; row < 53; ++row) lines.push_back("");
    lines.push_back("Writing footer information...");
    lines.push_back("XML output complete.");
    return lines;
}

void expect_log_tail(const std::vector<std::string>& log, const std::string& path) {
    const auto expected = closing_and_output_lines(path);
    ASSERT_GE(log.size(), expected.size());
    const std::size_t start = log.size() - expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].empty()) {
            EXPECT_EQ(log[start + i].rfind("Writing \"", 0), 0u) << log[start + i];
        } else {
            EXPECT_EQ(log[start + i], expected[i]);
        }
    }
}

TEST(EndToEnd, NoArgumentsAndNoInputWritesSlotOneFromDefaultsAndCreatesNothing) {
    TempFolder folder;
    const Outcome outcome = run_kestrin(folder.path(), {});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "Could not open \"vyr_recent.ini\". Using default values.\n");
    const auto log = log_of(folder.path());
    ASSERT_EQ(log.size(), 60u);
    EXPECT_EQ(log[0], "Opening \"vyr_recent.ini\".");
    EXPECT_EQ(log[1], "Could not open \"vyr_recent.ini\". Using default values.");
    expect_log_tail(log, "vyr_recent.ini");
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset1.xml"), golden_file("slot1_defaults.xml"));
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"kestrin.log", "vyrui_custompreset1.xml"}));
}

TEST(EndToEnd, EmptyInputGivesFiftyNineLinesAndSucceedsQuietly) {
    TempFolder folder;
    write_file(folder.path() / "vyr_recent.ini", "");
    const Outcome outcome = run_kestrin(folder.path(), {"1"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(log_of(folder.path()).size(), 59u);
    EXPECT_EQ(read_file(folder.path() / "kestrin.log").substr(0, 29), "Opening \"vyr_recent.ini\".\r\nCl");
}

TEST(EndToEnd, RejectedNumberWritesTwoLinesAndTouchesNoPreset) {
    for (const char* number : {"01", "1.0", "4", "one", ""}) {
        TempFolder folder;
        write_file(folder.path() / "vyrui_custompreset1.xml", "old preset");
        write_file(folder.path() / "kestrin.log", "an earlier run's log\r\n");
        const Outcome outcome = run_kestrin(folder.path(), {number, "vyr_recent.ini"});
        EXPECT_EQ(outcome.status, 2) << number;
        const std::string lines = "Error. Unrecognized preset identifier.\r\nPlease enter a value of 1, 2, or 3.\r\n";
        EXPECT_EQ(read_file(folder.path() / "kestrin.log"), lines) << number;
        EXPECT_EQ(outcome.errors, "Error. Unrecognized preset identifier.\nPlease enter a value of 1, 2, or 3.\n");
        EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset1.xml"), "old preset");
        EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"kestrin.log", "vyrui_custompreset1.xml"}));
    }
}

TEST(EndToEnd, PathGivenAsSeveralWordsIsJoinedAndReadIntoSlotTwo) {
    TempFolder folder;
    fs::create_directories(folder.path() / "Vyr Client");
    fs::copy_file(fs::path(KESTRIN_GOLDEN_DIR) / "slot2_input.ini", folder.path() / "Vyr Client" / "vyr_recent.ini");
    const std::string path = (folder.path() / "Vyr Client" / "vyr_recent.ini").string();
    const std::size_t blank = path.rfind(' ');
    const Outcome outcome = run_kestrin(folder.path(), {"2", path.substr(0, blank), path.substr(blank + 1)});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    const auto log = log_of(folder.path());
    const std::vector<std::string> head{
        "Opening \"" + path + "\".",
        "Value \"[Graphics]\" unrecognized. Ignoring.",
        "Value \";\" unrecognized. Ignoring.",
        "Value \"r_bloom\" set to \"false\".",
        "Value \"cl_lod_tridensity\" set to \"120000.0\".",
        "Value \"r_particlesinreflections\" unrecognized. Ignoring.",
    };
    ASSERT_EQ(log.size(), head.size() + 58);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + head.size()), head);
    expect_log_tail(log, path);
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset2.xml"), golden_file("slot2_small_input.xml"));
}

TEST(EndToEnd, SlotThreeCarriesEscapedValuesAndRefusesUnwritableOnes) {
    TempFolder folder;
    fs::copy_file(fs::path(KESTRIN_GOLDEN_DIR) / "slot3_input.ini", folder.path() / "vyr_recent.ini");
    write_file(folder.path() / "vyrui_custompreset3.xml", "old preset");
    const Outcome outcome = run_kestrin(folder.path(), {"3"});
    EXPECT_EQ(outcome.status, 0);
    const auto log = log_of(folder.path());
    const std::vector<std::string> head{
        "Opening \"vyr_recent.ini\".",
        "Value \"r_max_lights\" set to \"8.0\".",
        "Value \"r_shadows\" set to \"true\".",
        "Value \"r_flora_density_scale\" set to \"a<b&\"c\"\".",
        "Value \"r_flora_radius_scale\" not set. Its value cannot be written to the preset file. Ignoring.",
        "Value \"R_BLOOM\" unrecognized. Ignoring.",
    };
    ASSERT_EQ(log.size(), head.size() + 58);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + head.size()), head);
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset3.xml"), golden_file("slot3_small_input.xml"));
}

TEST(EndToEnd, UnreadableInputIsNeverCreated) {
    TempFolder folder;
    fs::create_directories(folder.path() / "a folder");
    struct Case {
        std::string path;
        const char* what;
    };
    for (const Case& c : {Case{"missing/vyr_recent.ini", "missing folder"}, Case{"no_such.ini", "missing file"},
                          Case{"a folder", "a folder"}, Case{"kestrin.log", "the run log itself"}}) {
        const Outcome outcome = run_kestrin(folder.path(), {"1", c.path});
        EXPECT_EQ(outcome.status, 1) << c.what;
        const auto log = log_of(folder.path());
        ASSERT_EQ(log.size(), 60u) << c.what;
        EXPECT_EQ(log[1], "Could not open \"" + c.path + "\". Using default values.") << c.what;
        EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset1.xml"), golden_file("slot1_defaults.xml"));
    }
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"a folder", "kestrin.log", "vyrui_custompreset1.xml"}));
}

TEST(EndToEnd, TargetTakenByAFolderKeepsItAndSaysSo) {
    TempFolder folder;
    fs::create_directories(folder.path() / "vyrui_custompreset1.xml" / "inside");
    write_file(folder.path() / "vyr_recent.ini", "r_bloom false\r\n");
    const Outcome outcome = run_kestrin(folder.path(), {});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.errors, "Error. Could not write \"vyrui_custompreset1.xml\".\n");
    const auto log = log_of(folder.path());
    ASSERT_EQ(log.size(), 60u);
    EXPECT_EQ(log[log.size() - 2], "Writing footer information...");
    EXPECT_EQ(log.back(), "Error. Could not write \"vyrui_custompreset1.xml\".");
    EXPECT_TRUE(fs::is_directory(folder.path() / "vyrui_custompreset1.xml" / "inside"));
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{"kestrin.log", "vyr_recent.ini", "vyrui_custompreset1.xml"}));
}

TEST(EndToEnd, FullDiskKeepsTheOldPresetWhole) {
    TempFolder folder;
    const std::string old_preset = golden_file("slot2_small_input.xml");
    write_file(folder.path() / "vyrui_custompreset2.xml", old_preset);
    // Room for the run log, not for a new preset file.
    const Outcome outcome = run_kestrin(folder.path(), {"2"}, 3000);
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(log_of(folder.path()).back(), "Error. Could not write \"vyrui_custompreset2.xml\".");
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset2.xml"), old_preset);
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"kestrin.log", "vyrui_custompreset2.xml"}));
}

TEST(EndToEnd, RunLogThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
    TempFolder folder;
    fs::create_directories(folder.path() / "kestrin.log");
    write_file(folder.path() / "vyr_recent.ini", "");
    const Outcome outcome = run_kestrin(folder.path(), {});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "Error. Could not create \"kestrin.log\". The run goes on without a log.\n");
    EXPECT_EQ(read_file(folder.path() / "vyrui_custompreset1.xml"), golden_file("slot1_defaults.xml"));
}

TEST(EndToEnd, ANewRunReplacesTheLogAndThePreset) {
    TempFolder folder;
    write_file(folder.path() / "vyr_recent.ini", "r_bloom false\nx y\n");
    ASSERT_EQ(run_kestrin(folder.path(), {"2"}).status, 0);
    EXPECT_EQ(log_of(folder.path()).size(), 61u);
    write_file(folder.path() / "vyr_recent.ini", "");
    ASSERT_EQ(run_kestrin(folder.path(), {"2"}).status, 0);
    EXPECT_EQ(log_of(folder.path()).size(), 59u);
    const std::string preset = read_file(folder.path() / "vyrui_custompreset2.xml");
    EXPECT_EQ(preset.size(), 3408u);
    EXPECT_EQ(preset.find("r_bloom=false"), std::string::npos);
}

TEST(EndToEnd, NonAsciiPathIsOpenedAndQuotedAsUtf8) {
    TempFolder folder;
    const std::string name = "Zo\xC3\xAB \xE6\x97\xA5\xE6\x9C\xAC";
    fs::create_directories(folder.path() / name);
    write_file(folder.path() / name / "vyr_recent.ini", "r_flora true\n");
    const Outcome outcome = run_kestrin(folder.path(), {"1", "Zo\xC3\xAB", "\xE6\x97\xA5\xE6\x9C\xAC/vyr_recent.ini"});
    EXPECT_EQ(outcome.status, 0);
    const auto log = log_of(folder.path());
    EXPECT_EQ(log[0], "Opening \"" + name + "/vyr_recent.ini\".");
    EXPECT_EQ(log[1], "Value \"r_flora\" set to \"true\".");
}

// The expected preset of a slot from the input that gave the slot 2 golden
// file: only the header and the number in the footer differ.
std::string small_input_preset(const kestrin::PresetSlot& slot) {
    std::string preset = golden_file("slot2_small_input.xml");
    const std::string_view slot2_header = kestrin::preset_slots[1].header;
    preset.replace(preset.find(slot2_header), slot2_header.size(), slot.header);
    const std::string footer = "Custom Preset2\"></Checkbox>";
    preset.replace(preset.find(footer), footer.size(), "Custom Preset" + std::string(slot.number) + "\"></Checkbox>");
    return preset;
}

std::string repeated_small_input(std::size_t bytes) {
    const std::string block = "[Graphics] x\r\nr_bloom false\r\ncl_lod_tridensity 120000.0\r\n";
    std::string input;
    while (input.size() < bytes) input += block;
    return input;
}

TEST(EndToEnd, ConcurrentRunsInOneFolderEachWriteAWholePreset) {
    TempFolder folder;
    write_file(folder.path() / "vyr_recent.ini", repeated_small_input(std::size_t(1) << 20));
    const int null_fd = ::open("/dev/null", O_WRONLY);
    std::vector<pid_t> runs;
    for (int round = 0; round < 3; ++round) {
        for (const kestrin::PresetSlot& slot : kestrin::preset_slots) {
            runs.push_back(start_kestrin(folder.path(), {std::string(slot.number)}, null_fd));
        }
    }
    for (const pid_t run : runs) EXPECT_EQ(exit_status_of(run), 0);
    ::close(null_fd);
    for (const kestrin::PresetSlot& slot : kestrin::preset_slots) {
        EXPECT_EQ(read_file(folder.path() / slot.file_name), small_input_preset(slot)) << slot.number;
    }
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{"kestrin.log", "vyr_recent.ini", "vyrui_custompreset1.xml",
                                     "vyrui_custompreset2.xml", "vyrui_custompreset3.xml"}));
}

// Whatever a killed run leaves behind, nothing in the folder may pass for a
// preset but the old, whole file: any other file is a temporary one.
void expect_only_old_preset(const fs::path& folder, const std::string& old_preset) {
    EXPECT_EQ(read_file(folder / "vyrui_custompreset1.xml"), old_preset);
    for (const std::string& name : names_in(folder)) {
        if (name == "kestrin.log" || name == "vyr_recent.ini" || name == "vyrui_custompreset1.xml") continue;
        const bool temporary =
            name.rfind("kestrin-", 0) == 0 && name.size() > 12 && name.compare(name.size() - 4, 4, ".tmp") == 0;
        EXPECT_TRUE(temporary) << name;
    }
}

TEST(EndToEnd, KilledRunKeepsTheOldPresetWhole) {
    TempFolder folder;
    const std::string old_preset = small_input_preset(kestrin::preset_slots[0]);
    write_file(folder.path() / "vyrui_custompreset1.xml", old_preset);
    write_file(folder.path() / "vyr_recent.ini", repeated_small_input(std::size_t(20) << 20));
    const int null_fd = ::open("/dev/null", O_WRONLY);
    for (const int delay_ms : {0, 2, 10, 50, 200}) {
        const pid_t run = start_kestrin(folder.path(), {"1"}, null_fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
        ::kill(run, SIGKILL);
        exit_status_of(run);
        expect_only_old_preset(folder.path(), old_preset);
    }
    ::close(null_fd);
}

TEST(EndToEnd, RunKilledWhileWritingThePresetKeepsTheOldOne) {
    TempFolder folder;
    const std::string old_preset = "old preset";
    write_file(folder.path() / "vyrui_custompreset1.xml", old_preset);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.path().c_str()) != 0) ::_exit(126);
        auto* file = new kestrin::ReplacementFile("vyrui_custompreset1.xml");
        file->write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Checkbox");
        ::kill(::getpid(), SIGKILL);
    }
    EXPECT_EQ(exit_status_of(child), -1);
    expect_only_old_preset(folder.path(), old_preset);
    EXPECT_EQ(names_in(folder.path()).size(), 2u);
}

}  // namespace
